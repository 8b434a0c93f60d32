#include "widgets/Dispatch.h"

#include "widgets/Application.h"
#include "widgets/SysUtils.h"

#include <cstdio>

void Dispatch(const std::function<void()>& fn) noexcept
{
    try {
        fn();
    } catch (...) {
        HandleException(std::current_exception());
    }
}

void HandleException(std::exception_ptr error) noexcept
{
    try {
        if (Application) {
            Application->HandleException(error);
            return;
        }
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fauneta: %s.\n", e.what());
    } catch (...) {
        std::fputs("fauneta: unknown error.\n", stderr);
    }
}

// A scoped message-box responder: records every box the program shows and
// answers it with the given result, so no test waits for a person.
#pragma once

#include "widgets/Application.h"

#include <functional>
#include <vector>

class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answerWith = IDOK) : answer(answerWith)
    {
        if (Application) {
            previous_ = Application->MessageBoxResponder;
            Application->MessageBoxResponder = [this](const TMessageBoxRequest& r) {
                boxes.push_back(r);
                return this->answer;
            };
        }
    }
    ~MessageBoxRecorder()
    {
        if (Application)
            Application->MessageBoxResponder = previous_;
    }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<TMessageBoxRequest> boxes;
    int answer;

private:
    std::function<int(const TMessageBoxRequest&)> previous_;
};

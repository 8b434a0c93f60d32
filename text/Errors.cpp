#include "text/Errors.h"

#include "text/Cp1252.h"

Exception::Exception(std::string message) : message_(std::move(message)), utf8_(cp1252::toUtf8(message_)) {}

EDefinitionError::EDefinitionError(const std::string& file, int line, const std::string& word, const std::string& what)
    : Exception(file + "(" + std::to_string(line) + "): " + what + " '" + word + "'"),
      file_(file),
      line_(line),
      word_(word)
{
}

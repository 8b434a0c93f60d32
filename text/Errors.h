// The root of the widget layer's exceptions and the window-definition error,
// free of Qt so the definition text unit (and the build tools that use it)
// raise the same errors as the layer itself.
#pragma once

#include <exception>
#include <string>

// Every failure the layer raises. Message is Windows-1252, as all program text;
// what() gives it as UTF-8 for diagnostics.
class Exception : public std::exception {
public:
    explicit Exception(std::string message);
    const std::string& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::string message_;
    std::string utf8_;
};

// A window definition that cannot be read: names the file, the line and the word.
class EDefinitionError : public Exception {
public:
    EDefinitionError(const std::string& file, int line, const std::string& word, const std::string& what);
    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    const std::string& Word() const { return word_; }

private:
    std::string file_;
    int line_;
    std::string word_;
};

#pragma once

#include <QString>

#include <exception>
#include <string>

namespace app {

// A failure that ends the program through the run-time error report. It carries the classic
// error number and description so that the player sees the familiar "Run-time error '6':".
class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description);

    int number() const { return number_; }
    const QString& description() const { return description_; }
    // "Run-time error '6':", the report's first line.
    QString heading() const;
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

// The numbers of the failures the program itself reports.
namespace error {
inline constexpr int OutOfMemory = 7;
inline constexpr int InternalError = 51;
} // namespace error

} // namespace app

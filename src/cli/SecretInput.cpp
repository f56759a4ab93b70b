// SPDX-License-Identifier: Apache-2.0
#include "cli/SecretInput.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <iostream>

namespace orva::cli {

namespace {

bool InputIsTerminal() {
#ifdef _WIN32
    return ::_isatty(::_fileno(stdin)) != 0;
#else
    return ::isatty(STDIN_FILENO) != 0;
#endif
}

// Turns the terminal's echo off for as long as it lives.
#ifdef _WIN32
class EchoOff {
  public:
    EchoOff() : console_(::GetStdHandle(STD_INPUT_HANDLE)) {
        if (::GetConsoleMode(console_, &saved_) == 0) return;
        active_ = ::SetConsoleMode(console_, saved_ & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) != 0;
    }
    ~EchoOff() {
        if (active_) ::SetConsoleMode(console_, saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

  private:
    HANDLE console_;
    DWORD saved_ = 0;
    bool active_ = false;
};
#else
class EchoOff {
  public:
    EchoOff() {
        if (::tcgetattr(STDIN_FILENO, &saved_) != 0) return;
        termios quiet = saved_;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        active_ = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff() {
        if (active_) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

  private:
    termios saved_{};
    bool active_ = false;
};
#endif

// Far beyond any password; standard input may be endless (/dev/zero), so no line is read past it.
constexpr std::size_t kLongestLine = 1024;

// std::getline, but false for a line longer than kLongestLine, of which no more is read.
bool ReadBoundedLine(std::string& line) {
    char c = 0;
    while (std::cin.get(c)) {
        if (c == '\n') return true;
        if (line.size() == kLongestLine) return false;
        line += c;
    }
    return !line.empty();
}

}  // namespace

bool ReadSecretLine(const std::string& prompt, std::string& line, std::ostream& err) {
    line.clear();
    bool read = false;
    if (InputIsTerminal()) {
        err << prompt << std::flush;
        {
            EchoOff quiet;
            read = ReadBoundedLine(line);
        }
        err << '\n';
    } else {
        read = ReadBoundedLine(line);
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return read;
}

}  // namespace orva::cli

// The diagnostic log: "vesk.log" beside the running program, written only when that file already
// exists. Every statement logs through FILE_LOG, which tests the global pointer first:
//
//   FILE_LOG("Media Count = %d", count);
//
// writes "(tick)[main.cpp,(689)] : [2026-12-08 17:21:07] : Media Count = 3".
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class CFileLog {
public:
    // Opens the log beside the running program when it exists.
    CFileLog();
    // Opens the log beside `modulePath` (a program's full path) when it exists.
    explicit CFileLog(const std::string& modulePath);
    virtual ~CFileLog();
    CFileLog(const CFileLog&) = delete;
    CFileLog& operator=(const CFileLog&) = delete;

    bool IsOpen() const { return stream != nullptr; }

    // Writes the location prefix, without a line break.
    void Location(const char* sourceFile, int line);
    // Writes a non-empty formatted message as a timestamped line.
    void Printf(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    // Writes "[timestamp] : text" and a line break, then flushes.
    void WriteLine(const std::string& text);

    // Work done ahead of its moment (the next picture, made ready during a pause) logs into a
    // capture; Replay writes those lines when the moment comes, with the time they are written.
    struct HeldLine {
        const char* sourceFile;
        int line;
        std::string message;
    };
    void Capture(std::vector<HeldLine>* lines) { capture = lines; }
    void Replay(const std::vector<HeldLine>& lines);

private:
    struct StreamCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, StreamCloser> stream;
    std::vector<HeldLine>* capture = nullptr;
    HeldLine pending{"", 0, {}};  // the location of the message being captured
};

// Captures the log's lines for the life of the object.
class LogCapture {
public:
    explicit LogCapture(std::vector<CFileLog::HeldLine>& lines);
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
};

// The process's log; null before it is created and after it is destroyed.
extern CFileLog* g_fileLog;

#define FILE_LOG(...)                                \
    do {                                             \
        if (g_fileLog) {                             \
            g_fileLog->Location(__FILE__, __LINE__); \
            g_fileLog->Printf(__VA_ARGS__);          \
        }                                            \
    } while (0)

#pragma once

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// A process that saves one file over and over, a new version each time,
// until it is killed: what the crash-safety tests kill at random moments. On
// POSIX systems it is a forked child. Windows cannot fork, so there it is this
// test program started again on the same test, which its environment turns
// into the saver (SaveIfAsked); Start returns once it is about to save.
class SaverProcess {
public:
    using Save = std::function<bool(const std::string& path, std::uint32_t version)>;

    SaverProcess() = default;
    SaverProcess(const SaverProcess&) = delete;
    SaverProcess& operator=(const SaverProcess&) = delete;
    ~SaverProcess() { Kill(); }

    // Whether this program was started as a saver.
    static bool IsSaver()
    {
#ifdef _WIN32
        const char* asked = std::getenv(kVariable);
        return asked != nullptr && *asked != '\0';
#else
        return false;
#endif
    }

    // In a program started as a saver: saves until killed, never returning.
    static void SaveIfAsked(const Save& save)
    {
#ifdef _WIN32
        if (!IsSaver())
            return;
        const std::string value = std::getenv(kVariable);
        const std::size_t event = value.find('|') + 1;
        const std::size_t target = value.find('|', event) + 1;
        HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, value.substr(event, target - event - 1).c_str());
        if (ready == nullptr || !::SetEvent(ready))
            std::_Exit(2);
        SaveForever(save, value.substr(target), static_cast<std::uint32_t>(std::stoul(value)));
#else
        (void)save;
#endif
    }

    // Starts saving versions first + 1, first + 2, ... into path.
    bool Start(const Save& save, const std::string& path, std::uint32_t first)
    {
#ifdef _WIN32
        (void)save;  // the saver started again takes its own
        const std::string event =
            "Local\\squinx-saver-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(first);
        HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, event.c_str());
        if (ready == nullptr)
            return false;
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        wchar_t program[MAX_PATH];
        ::GetModuleFileNameW(nullptr, program, MAX_PATH);
        std::wstring line = L"\"" + std::wstring(program) + L"\" --gtest_filter=";
        for (const char* part : {test->test_suite_name(), ".", test->name()})
            line += std::wstring(part, part + std::char_traits<char>::length(part));
        _putenv_s(kVariable, (std::to_string(first) + "|" + event + "|" + path).c_str());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        const bool started = ::CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                              nullptr, &startup, &process);
        _putenv_s(kVariable, "");
        if (started) {
            ::CloseHandle(process.hThread);
            m_process = process.hProcess;
        }
        const bool saving = started && ::WaitForSingleObject(ready, kStartMilliseconds) == WAIT_OBJECT_0;
        ::CloseHandle(ready);
        return saving;
#else
        m_child = ::fork();
        if (m_child == 0)
            SaveForever(save, path, first);
        return m_child > 0;
#endif
    }

    // Kills the saver at once; true when it was still saving then.
    bool Kill()
    {
#ifdef _WIN32
        if (m_process == nullptr)
            return false;
        ::TerminateProcess(m_process, kKilled);
        ::WaitForSingleObject(m_process, INFINITE);
        DWORD code = 0;
        ::GetExitCodeProcess(m_process, &code);
        ::CloseHandle(m_process);
        m_process = nullptr;
        return code == kKilled;
#else
        if (m_child <= 0)
            return false;
        ::kill(m_child, SIGKILL);
        int status = 0;
        const bool reaped = ::waitpid(m_child, &status, 0) == m_child;
        m_child = -1;
        return reaped && WIFSIGNALED(status);
#endif
    }

private:
    [[noreturn]] static void SaveForever(const Save& save, const std::string& path, std::uint32_t first)
    {
        for (std::uint32_t version = first + 1;; ++version)
            if (!save(path, version))
                std::_Exit(1);
    }

#ifdef _WIN32
    static constexpr const char* kVariable = "SQUINX_CRASH_SAVER";  // first version|ready event|path
    static constexpr DWORD kStartMilliseconds = 60000;
    static constexpr UINT kKilled = 137;
    HANDLE m_process = nullptr;
#else
    pid_t m_child = -1;
#endif
};

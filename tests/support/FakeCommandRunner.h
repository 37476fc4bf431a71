#pragma once

#include "platform/CommandRunner.h"

#include <functional>
#include <mutex>

// Answers each run with a scripted result and records the calls. Safe to call from worker threads.
class FakeCommandRunner final : public CommandRunner {
public:
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
        CaptureMode capture;
    };
    using Handler = std::function<CommandResult(const Call&)>;

    explicit FakeCommandRunner(Handler handler = {}) : m_handler(std::move(handler)) {}

    void setHandler(Handler handler) {
        std::lock_guard lock(m_mutex);
        m_handler = std::move(handler);
    }

    CommandResult run(const std::string& program, const std::vector<std::string>& arguments,
                      CaptureMode capture) const override {
        Handler handler;
        {
            std::lock_guard lock(m_mutex);
            m_calls.push_back({program, arguments, capture});
            handler = m_handler;
        }
        if (!handler)
            return CommandResult{"No such file or directory", -1, {}};
        return handler({program, arguments, capture});
    }

    std::vector<Call> calls() const {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }

    static CommandResult exited(int status, std::string output) { return CommandResult{std::nullopt, status, std::move(output)}; }
    static CommandResult notLaunched(std::string error) { return CommandResult{std::move(error), -1, {}}; }

private:
    mutable std::mutex m_mutex;
    mutable std::vector<Call> m_calls;
    Handler m_handler;
};

#pragma once

#include "platform/ApplicationControl.h"
#include "platform/FileRevealer.h"
#include "platform/PackageInspector.h"

#include <mutex>
#include <vector>

// Stand-ins for the platform pieces the update service uses.

// Judges every package the same way. Safe to call from worker threads.
class FakePackageInspector final : public PackageInspector {
public:
    std::optional<std::string> problemWith(const std::string& path) const override {
        std::lock_guard lock(m_mutex);
        m_inspected.push_back(path);
        return problem;
    }
    bool containsProgram(const std::string&) const override { return containsTheProgram; }

    std::vector<std::string> inspected() const {
        std::lock_guard lock(m_mutex);
        return m_inspected;
    }

    std::optional<std::string> problem;
    bool containsTheProgram = true;

private:
    mutable std::mutex m_mutex;
    mutable std::vector<std::string> m_inspected;
};

class RecordingFileRevealer final : public FileRevealer {
public:
    void reveal(const QString& filePath) override { revealed.push_back(filePath); }
    std::vector<QString> revealed;
};

class FakeApplicationControl final : public ApplicationControl {
public:
    std::optional<QString> startDetached(const QString& program, const QStringList& arguments) override {
        started.push_back(program);
        lastArguments = arguments;
        return startFailure;
    }
    void quit() override { ++quitCalls; }

    std::optional<QString> startFailure;
    std::vector<QString> started;
    QStringList lastArguments;
    int quitCalls = 0;
};

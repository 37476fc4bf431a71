#pragma once

#include "probes/SpeedTestPhase.h"
#include "probes/SpeedTestResult.h"

#include <string>

// Progress and outcome of the speed test. `testing` carries the phase and its progress (0-1),
// `completed` the result, `failed` the reason.
class SpeedTestState {
public:
    enum class Kind { testing, completed, failed, idle };

    SpeedTestState() = default;
    static SpeedTestState idle() { return {}; }
    static SpeedTestState testing(SpeedTestPhase phase, double progress) {
        SpeedTestState state(Kind::testing);
        state.m_phase = phase;
        state.m_progress = progress;
        return state;
    }
    static SpeedTestState completed(SpeedTestResult result) {
        SpeedTestState state(Kind::completed);
        state.m_result = std::move(result);
        return state;
    }
    static SpeedTestState failed(std::string error) {
        SpeedTestState state(Kind::failed);
        state.m_error = std::move(error);
        return state;
    }

    Kind kind() const { return m_kind; }
    bool isTesting() const { return m_kind == Kind::testing; }
    // Meaningful for `testing` only.
    SpeedTestPhase phase() const { return m_phase; }
    double progress() const { return m_progress; }
    // Meaningful for `completed` only.
    const SpeedTestResult& result() const { return m_result; }
    // Meaningful for `failed` only.
    const std::string& error() const { return m_error; }

    bool operator==(const SpeedTestState&) const = default;

private:
    explicit SpeedTestState(Kind kind) : m_kind(kind) {}

    Kind m_kind = Kind::idle;
    SpeedTestPhase m_phase = SpeedTestPhase::download;
    double m_progress = 0.0;
    SpeedTestResult m_result;
    std::string m_error;
};

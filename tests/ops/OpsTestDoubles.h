#pragma once

#include "chipdb/ChipRecord.h"
#include "programmer/OperationClock.h"
#include "programmer/OperationHost.h"
#include "programmer/OperatorFeedback.h"

#include <QString>
#include <QRegularExpression>
#include <QStringList>

#include <deque>
#include <ostream>
#include <functional>
#include <memory>
#include <vector>

// Records everything the operations tell the person, in order, as short lines ("error:...",
// "log:...", "status:...", "elapsed:...", "beep", "info:...", "ask:...", "controls:off"), and
// answers questions from a queue (Yes when it runs dry). Progress steps are counted rather than
// recorded, and can run a hook: that is where a real window processes pending events, so a
// test puts re-entrant commands there.
class RecordingFeedback : public OperatorFeedback {
public:
    void setStatus(const QString& text) override { events << "status:" + text; }
    void setElapsed(const QString& hhmmss) override { events << "elapsed:" + hhmmss; }
    void progressStart(qint64 max) override
    {
        progressMax = max;
        progressVisible = true;
    }
    void progressStep(qint64 position) override
    {
        steps.push_back(position);
        if (onStep)
            onStep(position);
    }
    void progressEnd() override { progressVisible = false; }
    void logLine(const QString& message) override { events << "log:" + message; }
    void showError(const QString& message) override { events << "error:" + message; }
    void showInfo(const QString& message) override { events << "info:" + message; }
    bool askYesNo(const QString& message) override
    {
        events << "ask:" + message;
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void setOperationControlsEnabled(bool enabled) override
    {
        events << (enabled ? "controls:on" : "controls:off");
        if (onControls)
            onControls(enabled);
    }
    void beep() override { events << "beep"; }

    // The recorded lines that start with prefix.
    [[nodiscard]] QStringList only(const QString& prefix) const { return events.filter(QRegularExpression("^" + prefix)); }

    QStringList events;
    std::vector<qint64> steps;
    qint64 progressMax = -1;
    bool progressVisible = false;
    std::deque<bool> answers;
    std::function<void(qint64)> onStep;
    std::function<void(bool)> onControls;  // where a test pulls the cable between two frames
};

// The window's data side: a full-size buffer of 0xFF, a chip record, the speed and the automatic
// options; view copies are counted, and takeViewEdits can apply a pending edit the way the
// window does (DataLength capped at flashSize).
class FakeHost : public OperationHost {
public:
    static constexpr qint64 BufferSize = 0x4000000;

    FakeHost() : m_buffer(new quint8[BufferSize]) { std::fill_n(m_buffer.get(), BufferSize, quint8{0xFF}); }

    std::span<quint8> dataBuffer() override { return {m_buffer.get(), static_cast<std::size_t>(BufferSize)}; }
    qint32 dataLength() const override { return length; }
    void setDataLength(qint32 value) override { length = value; }
    const ChipRecord& currentChipRecord() const override { return chip; }
    int speedIndex() const override { return speed; }
    AutoOptions autoOptions() const override { return options; }
    void takeViewEdits() override
    {
        ++takeEditsCalls;
        if (!viewEdit.empty()) {
            const std::size_t count = std::min<std::size_t>(viewEdit.size(), chip.flashSize);
            std::copy_n(viewEdit.begin(), count, m_buffer.get());
            length = static_cast<qint32>(count);
            viewEdit.clear();
        }
    }
    void loadViewFromBuffer() override { ++viewLoads; }

    [[nodiscard]] quint8* bytes() { return m_buffer.get(); }

    ChipRecord chip;
    qint32 length = 0;
    int speed = 0;
    AutoOptions options;
    std::vector<quint8> viewEdit;  // bytes the "view" holds as modified, taken on takeViewEdits
    int takeEditsCalls = 0;
    int viewLoads = 0;

private:
    std::unique_ptr<quint8[]> m_buffer;
};

// Time stands still unless something sleeps or a test moves it; every sleep is recorded.
class FakeClock : public OperationClock {
public:
    void sleepMs(int milliseconds) override
    {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }
    qint64 msecsSinceMidnight() const override { return now; }

    qint64 now = 12 * 3600 * 1000;
    std::vector<int> sleeps;
};

// Readable strings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// A database record for the tests.
[[nodiscard]] ChipRecord makeChip(const char* name, quint8 family, quint32 flashSize, quint16 flashPage,
                                  quint32 chipId = 0, quint16 delay = 100);

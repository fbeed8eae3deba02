#pragma once

#include "buffer/FillBuffer.h"

#include <QDialog>

#include <cstdint>
#include <ctime>
#include <functional>
#include <span>

class QLineEdit;
class QRadioButton;

// The buffer fill dialog. It fills a range of the buffer it is given with a constant byte, a
// constant word or random bytes; the main window then shows the result (bufferFilled).
class TForm4 : public QDialog {
    Q_OBJECT

public:
    using ErrorReporter = std::function<void(const QString& message)>;
    using SecondsClock = std::function<std::int64_t()>;

    explicit TForm4(QWidget* parent = nullptr);

    // The buffer OK fills (the main window's DataBuffer). Without one OK changes nothing.
    void setBuffer(std::span<std::uint8_t> buffer) { m_buffer = buffer; }
    // Where conversion and range errors go; a modal "Error" box by default.
    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }
    // Seeds random fills; calendar seconds by default.
    void setClock(SecondsClock clock) { m_clock = std::move(clock); }

    // Offers the whole chip as the range end: flashSize - 1 in upper-case hexadecimal. The Fill
    // command calls it before every showing; the other fields keep what they last held.
    void offerEndFor(quint32 flashSize);

    // Reads the fields and fills the buffer. On a bad field or range the error is reported, the
    // buffer is left alone and false returned. OK runs this and closes on success.
    bool FillBuffer();

signals:
    // The fields are good and the buffer is about to change: whoever holds edits of it not yet
    // in it puts them there now, so that the fill lands on top of them.
    void aboutToFill();
    // The range was filled; filledEnd is the address after its last byte (end + 1). The image
    // reaches at least that far now; what lies beyond it is still part of the image.
    void bufferFilled(qint32 filledEnd);

private:
    void buildControls();

    QRadioButton* m_byteMode = nullptr;
    QRadioButton* m_wordMode = nullptr;
    QLineEdit* m_byteValue = nullptr;
    QLineEdit* m_wordValue = nullptr;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_end = nullptr;

    std::span<std::uint8_t> m_buffer;
    ErrorReporter m_reportError;
    SecondsClock m_clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
};

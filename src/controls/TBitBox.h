#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;

// A one-bit toggle: a sunken 17-pixel square showing "1" or "0", followed by a caption.
// Clicking (or pressing space) flips the bit. The control paints itself pixel by pixel so that
// it looks the same under every widget style.
class TBitBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool State READ state WRITE setState)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor OnColor READ onColor WRITE setOnColor)
    Q_PROPERTY(QColor OffColor READ offColor WRITE setOffColor)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)

public:
    explicit TBitBox(QWidget* parent = nullptr);

    [[nodiscard]] bool state() const { return m_state; }
    // Notifies OnChange even when the value stays the same: listeners treat every assignment
    // as an event, not only transitions.
    void setState(bool state);

    [[nodiscard]] QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    [[nodiscard]] QColor onColor() const { return m_onColor; }
    void setOnColor(const QColor& color);
    [[nodiscard]] QColor offColor() const { return m_offColor; }
    void setOffColor(const QColor& color);

    [[nodiscard]] bool tabStop() const;
    void setTabStop(bool tabStop);

    [[nodiscard]] bool focused() const { return m_focused; }

    [[nodiscard]] QSize sizeHint() const override;

    static constexpr QRgb DefaultOnColor = 0x00FF00;   // lime
    static constexpr QRgb DefaultOffColor = 0xFF0000;  // red

signals:
    void OnChange();
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void toggleByMouse();
    void paintBox(QPainter& painter, int middle) const;
    void paintDigit(QPainter& painter, int middle) const;
    void paintCaption(QPainter& painter, int middle) const;

    bool m_state = false;
    bool m_focused = false;
    bool m_pressed = false;
    QString m_caption;
    QColor m_onColor{DefaultOnColor};
    QColor m_offColor{DefaultOffColor};
};

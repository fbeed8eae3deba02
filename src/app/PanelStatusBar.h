#pragma once

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class QPainter;

// A status bar of fixed-width text panels, the last one running to the right edge. A panel can
// be left to a draw handler (the main window draws the connection state in its own colour);
// other panels are drawn as plain text. Widths are in pixels, as the window was designed.
class PanelStatusBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelCount = 5;
    static constexpr std::array<int, PanelCount> PanelWidths{50, 120, 70, 75, 50};
    static constexpr int DesignedHeight = 19;

    using DrawPanelHandler = std::function<void(QPainter&, int panel, const QRect&)>;
    // The tool tip of a panel, asked for when the pointer rests on it; empty: none.
    using PanelToolTip = std::function<QString()>;

    explicit PanelStatusBar(QWidget* parent = nullptr);

    void setPanelText(int panel, const QString& text);
    [[nodiscard]] QString panelText(int panel) const;
    [[nodiscard]] QRect panelRect(int panel) const;
    [[nodiscard]] static constexpr int borderWidth() { return 1; }

    // Panels with a handler are drawn by it over the panel's normal background and frame.
    void setOwnerDrawnPanel(int panel, DrawPanelHandler handler);
    void setPanelToolTip(int panel, PanelToolTip toolTip);
    [[nodiscard]] QString panelToolTip(int panel) const;

    [[nodiscard]] QSize sizeHint() const override;

signals:
    void resized();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QStringList m_texts;
    int m_ownerDrawnPanel = -1;
    DrawPanelHandler m_drawPanel;
    std::array<PanelToolTip, PanelCount> m_toolTips;
};

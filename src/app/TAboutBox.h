#pragma once

#include <QDialog>

class QLabel;

// The about box: program icon, version line, one line of our own, OK. "Product Name" and
// "Version" labels exist on the form but stay hidden.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    // Its title and comment in the language in force.
    void applyLanguage();

private:
    QLabel* m_comments = nullptr;
};

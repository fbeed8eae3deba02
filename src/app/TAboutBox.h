#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: program icon, version line, one line of our own, OK. "Product Name" and
// "Version" labels exist on the form but stay hidden.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    // Its title and comment in the language in force.
    void applyLanguage();

private:
    QLabel* m_programIcon = nullptr;
    QLabel* m_productName = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_versionLine = nullptr;
    QLabel* m_comments = nullptr;
    QPushButton* m_okButton = nullptr;
};

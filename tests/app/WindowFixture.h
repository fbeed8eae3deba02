#pragma once

#include "app/TForm1.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

struct TestChip {
    const char* name;
    quint32 flashSize = 0x10000;
    quint16 flashPage = 256;
};

// A main window on files of its own: settings and chip database in a temporary folder, and a
// USB library that does not exist, so no test reaches a real programmer.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void writeSettings(const QString& iniText);
    [[nodiscard]] QString readSettings() const;
    void writeDatabase(std::initializer_list<TestChip> chips);
    // Creates the window and shows it, which loads the database and applies the language.
    TForm1& openWindow();
    void closeWindow();
    // Runs act while a chip operation of the window runs: an erase that finds no programmer,
    // held while it shows "Not connected". The tool bar is never disabled on that path, so only the
    // operation itself tells that one runs. True when act ran.
    static bool whileAnOperationRuns(TForm1& window, const std::function<void()>& act);

    // Every caption-like text of a form and its controls, "objectName=text", in a stable order.
    [[nodiscard]] static QStringList captionsOf(QWidget* form);

    QTemporaryDir m_dir;
    TForm1::Environment m_environment;
    std::unique_ptr<TForm1> m_window;
};

#include "usb/SimulatorLibrary.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <dlfcn.h>

#ifdef ZORVEX_SIM_LIBRARY

namespace {

QString refusedSimulatorConfiguration(const QString& libraryPath)
{
    return QString::fromStdString(::refusedSimulatorConfiguration(QFile::encodeName(libraryPath).toStdString()));
}

// Holds the simulator loaded and points its configuration variable at a file for one test;
// afterwards the simulator goes back to its built-in default.
class SimulatorConfiguration {
public:
    SimulatorConfiguration()
        : m_library(dlopen(ZORVEX_SIM_LIBRARY, RTLD_NOW | RTLD_LOCAL))
        , m_reset(m_library ? reinterpret_cast<int (*)(const char*)>(dlsym(m_library, "zorvex_sim_reset")) : nullptr)
    {
    }
    ~SimulatorConfiguration()
    {
        qunsetenv("ZORVEX_SIM_CONFIG");
        if (m_reset)
            m_reset(nullptr);
        if (m_library)
            dlclose(m_library);
    }
    [[nodiscard]] bool ok() const { return m_reset != nullptr; }
    // Loads the file as a start with --simulate=FILE does.
    void use(const QString& text)
    {
        const QString path = m_dir.filePath(QStringLiteral("sim.conf"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text.toUtf8());
        file.close();
        qputenv("ZORVEX_SIM_CONFIG", QFile::encodeName(path));
        m_reset(nullptr);
    }

private:
    QTemporaryDir m_dir;
    void* m_library;
    int (*m_reset)(const char*);
};

TEST(SimulatorCheck, ARefusedConfigurationGivesTheSimulatorsReason)
{
    SimulatorConfiguration simulator;
    ASSERT_TRUE(simulator.ok());
    simulator.use(QStringLiteral("[device]\nchip = 26flash\n"));
    const QString reason = refusedSimulatorConfiguration(QStringLiteral(ZORVEX_SIM_LIBRARY));
    EXPECT_TRUE(reason.contains(QStringLiteral("chip"))) << qPrintable(reason);
    EXPECT_TRUE(reason.contains(QStringLiteral("sim.conf"))) << qPrintable(reason);

    simulator.use(QStringLiteral("[device]\nchip = 24\nchip_size = 256\n"));
    EXPECT_EQ(refusedSimulatorConfiguration(QStringLiteral(ZORVEX_SIM_LIBRARY)), QString());
    // A file without a programmer is what its writer asked for, not a refusal.
    simulator.use(QStringLiteral("# nothing attached\n"));
    EXPECT_EQ(refusedSimulatorConfiguration(QStringLiteral(ZORVEX_SIM_LIBRARY)), QString());
}

TEST(SimulatorCheck, ALibraryThatIsNotTheSimulatorHasNothingToSay)
{
    QTemporaryDir dir;
    EXPECT_EQ(refusedSimulatorConfiguration(dir.filePath(QStringLiteral("missing.so"))), QString());
    EXPECT_EQ(refusedSimulatorConfiguration(QStringLiteral("libz.so.1")), QString());
}

}  // namespace

#endif

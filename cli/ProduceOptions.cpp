#include "ProduceOptions.h"

#include <limits>

namespace {

constexpr ChipCommandSpec ProduceSpec{
    "produce", "program chip after chip, with serial numbers and a log",
    "Programs one chip after another with IN: prints \"Insert a chip\" and waits for a chip in the\n"
    "socket, erases, writes and verifies it, prints \"#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)\"\n"
    "(the image rounded up to whole pages, as checksum IN --chip labels it) or \"#K FAIL REASON\",\n"
    "then \"Remove the chip\" and waits for the socket to be empty. Stops after --count chips, or\n"
    "at Ctrl+C (SIGTERM, SIGHUP) once the chip in hand is finished, and prints \"N passed, M failed\".\n"
    "Exit code 0 when every chip passed, 1 when one failed, 2 for a file or number refused before\n"
    "the first chip, 3 when the programmer went away, 4 when a record (serial file, log, standard\n"
    "output) could not be written after chips were programmed.\n\n"
    "Serial numbers: --serial-at ADDR --serial-start N write N into the first chip at ADDR, each\n"
    "passed chip the next (--serial-step, default 1); a failed chip gives its number to the next.\n"
    "--serial-format le16|be16|le32|be32|le64|be64 (binary, default le32), ascii:W (W decimal\n"
    "digits, zero-padded) or hex:W (W upper-case hex digits). --serial-file FILE keeps the next\n"
    "number between runs and between the runs of a gang that share it: each number is taken from\n"
    "it under a lock before its chip is written (it wins over --serial-start once it exists).\n"
    "--log FILE appends one JSON object per chip, written before its PASS line is printed. The run\n"
    "keeps the first programmer it opens; one held by another program is waited for (--busy-wait).",
    ChipCommandSpec::Programmer | ChipCommandSpec::Chip, ChipCommandSpec::Operand::Input};

// The options of the loop itself, each with a value except the two step switches.
const QStringList ValueOptions{QStringLiteral("--count"),
                               QStringLiteral("--serial-at"),    QStringLiteral("--serial-start"),
                               QStringLiteral("--serial-step"),  QStringLiteral("--serial-format"),
                               QStringLiteral("--serial-file"),  QStringLiteral("--log"),
                               QStringLiteral("--poll-ms"),      QStringLiteral("--busy-wait")};

constexpr quint64 MinPollMs = 10;
constexpr quint64 MaxPollMs = 60000;
constexpr quint64 MaxBusyWaitSeconds = 86400;

}  // namespace

const ChipCommandSpec& ProduceOptions::spec()
{
    return ProduceSpec;
}

QString ProduceOptions::help()
{
    QString text = ChipCommandLine::help(ProduceSpec);
    text.replace(QStringLiteral("[options] IN"),
                 QStringLiteral("[--count N] [--no-erase] [--no-verify] [--serial-at ADDR\n"
                                "       --serial-start N [--serial-step K] [--serial-format FMT] [--serial-file FILE]]\n"
                                "       [--log FILE] [--poll-ms MS] [--busy-wait S] [options] IN"));
    text.replace(QStringLiteral("Options:\n"),
                 QStringLiteral("Options:\n"
                                "  --count N             stop after N chips\n"
                                "  --no-erase            leave out the erase step\n"
                                "  --no-verify           leave out the verify step\n"
                                "  --serial-at ADDR      write a serial number at ADDR (decimal or 0x-hex)\n"
                                "  --serial-start N      the first chip's serial number\n"
                                "  --serial-step K       added for every passed chip (default 1)\n"
                                "  --serial-format FMT   le16, be16, le32, be32, le64, be64, ascii:W, hex:W\n"
                                "  --serial-file FILE    the next serial number, kept between runs\n"
                                "  --log FILE            append one JSON line per chip\n"
                                "  --poll-ms MS          socket poll interval (default 300)\n"
                                "  --busy-wait S         wait up to S seconds while another program holds the\n"
                                "                        programmer (default 60)\n"));
    return text;
}

ProduceOptions ProduceOptions::parse(const QStringList& arguments)
{
    ProduceOptions options;
    QStringList rest;
    QStringList given;
    for (qsizetype i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            rest += arguments.mid(i);
            break;
        }
        if (argument == u"--no-erase" || argument == u"--no-verify") {
            (argument == u"--no-erase" ? options.erase : options.verify) = false;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals > 0 ? argument.left(equals) : argument;
        if (!ValueOptions.contains(name)) {
            rest << argument;
            continue;
        }
        QString value;
        if (equals > 0)
            value = argument.mid(equals + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        if (value.isEmpty()) {
            options.error = QStringLiteral("%1 needs a value").arg(name);
            break;
        }
        given << name;
        const auto number = [&](quint64 low, quint64 high) -> std::optional<quint64> {
            const std::optional<quint64> n = parseUnsigned(value);
            if (!n || *n < low || *n > high) {
                options.error = QStringLiteral("%1: '%2' is not a number from %3 to %4").arg(name, value).arg(low).arg(high);
                return std::nullopt;
            }
            return n;
        };
        constexpr quint64 Any = std::numeric_limits<quint64>::max();
        if (name == u"--count") {
            options.count = number(1, Any);
        } else if (name == u"--serial-at") {
            options.serialAt = number(0, Any);
        } else if (name == u"--serial-start") {
            options.serialStart = number(0, Any).value_or(0);
        } else if (name == u"--serial-step") {
            options.serialStep = number(1, Any).value_or(1);
        } else if (name == u"--serial-format") {
            if (!(options.serialFormat = SerialFormat::parse(value)))
                options.error = QStringLiteral("unknown serial format '%1' (le16, be16, le32, be32, le64, be64, "
                                               "ascii:W, hex:W)").arg(value);
        } else if (name == u"--serial-file") {
            options.serialFile = value;
        } else if (name == u"--log") {
            options.logPath = value;
        } else if (name == u"--poll-ms") {
            options.pollMs = static_cast<int>(number(MinPollMs, MaxPollMs).value_or(MinPollMs));
        } else if (name == u"--busy-wait") {
            options.busyWaitSeconds = static_cast<int>(number(0, MaxBusyWaitSeconds).value_or(0));
        }
    }
    if (!options.error.isEmpty())
        return options;

    const bool serials = options.serialAt.has_value();
    if (serials != given.contains(QStringLiteral("--serial-start")))
        options.error = QStringLiteral("--serial-at and --serial-start go together");
    else if (!serials
             && (given.contains(QStringLiteral("--serial-step")) || given.contains(QStringLiteral("--serial-format"))
                 || given.contains(QStringLiteral("--serial-file"))))
        options.error = QStringLiteral("--serial-step, --serial-format and --serial-file need --serial-at");
    if (serials && !options.serialFormat)
        options.serialFormat = SerialFormat::parse(QStringLiteral("le32"));
    if (!options.error.isEmpty())
        return options;

    options.line = ChipCommandLine::parse(ProduceSpec, rest);
    options.error = options.line.error;
    return options;
}

#include "ProduceOptions.h"

#include "text/MessageCatalogExtra.h"

#include "text/ProduceTexts.h"

#include <algorithm>
#include <limits>

namespace {

constexpr OwnOption LoopOptions[] = {
    {"--count N", CliText::CountOption},
    {"--no-erase", CliText::NoEraseOption},
    {"--no-verify", CliText::NoVerifyOption},
    {"--serial-at ADDR", CliText::SerialAtOption},
    {"--serial-start N", CliText::SerialStartOption},
    {"--serial-step K", CliText::SerialStepOption},
    {"--serial-format FMT", CliText::SerialFormatOption},
    {"--serial-file FILE", CliText::SerialFileOption},
    {"--log FILE", CliText::LogOption},
    {"--poll-ms MS", CliText::PollOption},
    {"--busy-wait S", CliText::BusyWaitOption},
};

constexpr quint64 MinPollMs = 10;
constexpr quint64 MaxPollMs = 60000;
constexpr quint64 MaxBusyWaitSeconds = 86400;

}  // namespace

constexpr ChipCommandSpec ProduceSpec{"produce", CliText::ProduceSummary, CliText::ProduceAbout,
                                      ChipCommandSpec::Programmer | ChipCommandSpec::Chip,
                                      ChipCommandSpec::Operand::Input, LoopOptions};

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
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals > 0 ? argument.left(equals) : argument;
        // The loop's options; a synopsis names the value the option takes ("--count N").
        const auto own = std::find_if(std::begin(LoopOptions), std::end(LoopOptions),
                                      [&name](const OwnOption& own) { return QString::fromLatin1(own.synopsis).section(u' ', 0, 0) == name; });
        if (own == std::end(LoopOptions)) {
            rest << argument;
            continue;
        }
        if (!QLatin1String(own->synopsis).contains(u' ')) {
            if (equals > 0)
                options.error = ExtraMessages::text(ExtraText::CliTakesNoValue).arg(name);
            else
                (name == u"--no-erase" ? options.erase : options.verify) = false;
            continue;
        }
        QString value;
        if (equals > 0)
            value = argument.mid(equals + 1);
        else if (i + 1 < arguments.size())
            value = arguments[++i];
        if (value.isEmpty()) {
            options.error = ExtraMessages::text(ExtraText::CliNeedsValue).arg(name);
            break;
        }
        given << name;
        const auto number = [&](quint64 low, quint64 high) -> std::optional<quint64> {
            const std::optional<quint64> n = parseUnsigned(value);
            if (!n || *n < low || *n > high) {
                options.error = produceText(ProduceText::NumberOutOfRange).arg(name, value).arg(low).arg(high);
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
                options.error = produceText(ProduceText::UnknownSerialFormat).arg(value);
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
        options.error = produceText(ProduceText::SerialAtWithStart);
    else if (!serials
             && (given.contains(QStringLiteral("--serial-step")) || given.contains(QStringLiteral("--serial-format"))
                 || given.contains(QStringLiteral("--serial-file"))))
        options.error = produceText(ProduceText::SerialOptionsNeedAt);
    if (serials && !options.serialFormat)
        options.serialFormat = SerialFormat::parse(QStringLiteral("le32"));
    if (!options.error.isEmpty())
        return options;

    options.line = ChipCommandLine::parse(ProduceSpec, rest);
    options.error = options.line.error;
    return options;
}

#pragma once

#include <QString>

// The gutter's offset format: "[unit%][width!][radix:]prefix|suffix", numbers in hex digits.
// parse() either returns a complete format or raises HexEditorError, so a caller that assigns
// only after parsing keeps its previous format on error.
class HexOffsetFormat {
public:
    enum class UnitKind { Ruler, Rows, ColumnGroups, Fixed };

    [[nodiscard]] static HexOffsetFormat parse(const QString& format);

    [[nodiscard]] const QString& source() const noexcept { return m_source; }
    // An empty source means no format is in force: plain upper-case hex.
    [[nodiscard]] bool isEmpty() const noexcept { return m_source.isEmpty(); }
    [[nodiscard]] UnitKind unitKind() const noexcept { return m_unitKind; }
    [[nodiscard]] int fixedUnit() const noexcept { return m_fixedUnit; }
    [[nodiscard]] bool autoWidth() const noexcept { return m_autoWidth; }
    [[nodiscard]] int radix() const noexcept { return m_radix; }
    [[nodiscard]] const QString& prefix() const noexcept { return m_prefix; }
    [[nodiscard]] const QString& suffix() const noexcept { return m_suffix; }

    // Number of digits the value needs in this radix (0 for the value 0).
    [[nodiscard]] int digitsFor(qint64 value) const;
    // Offset text of byte position p: `unit` is the resolved unit, `width` the digit count the
    // automatic width asks for (ignored for a fixed minimum width).
    [[nodiscard]] QString format(qint64 position, int unit, int autoDigits, bool lowerCase) const;

private:
    QString m_source;
    UnitKind m_unitKind = UnitKind::Ruler;
    int m_fixedUnit = 1;
    bool m_autoWidth = false;
    int m_minWidth = 1;
    int m_radix = 16;
    QString m_prefix;
    QString m_suffix;
};

#include "HexEditor.h"

#include "HexEditorError.h"
#include "buffer/AtomicSave.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 kCopyStep = 61440;

[[noreturn]] void streamFailed(const QIODevice& stream)
{
    throw HexEditorError(stream.errorString().isEmpty() ? QString::fromLatin1(HexMessages::OutOfBounds)
                                                        : stream.errorString());
}

} // namespace

qint64 HexEditor::copySteps(HexProgressKind kind, qint64 total, const QString& name,
                           const std::function<qint64(qint64 done, qint64 step)>& move)
{
    int lastPercent = -1;
    qint64 done = 0;
    while (done < total) {
        const int percent = total - done <= kCopyStep
                                ? 100
                                : static_cast<int>(std::lround(double(done) * 100.0 / double(total)));
        if (OnProgress && percent != lastPercent) {
            lastPercent = percent;
            bool cancel = false;
            OnProgress(kind, percent, name, cancel);
            if (cancel)
                throw HexEditorError(HexMessages::Cancelled);
        }
        const qint64 moved = move(done, std::min(kCopyStep, total - done));
        if (moved <= 0)
            break;
        done += moved;
    }
    return done;
}

QString HexEditor::progressFileName(const QIODevice& stream) const
{
    if (const auto* file = qobject_cast<const QFile*>(&stream))
        return file->fileName();
    return m_fileName;
}

void HexEditor::copyIn(qint64 total, const std::function<qint64(std::uint8_t*, qint64, qint64)>& readStep,
                       const QString& progressName)
{
    m_data.clear();
    m_data.setSizeForOverwrite(total);
    const qint64 done = copySteps(pkLoad, total, progressName, [&](qint64 at, qint64 step) {
        return readStep(m_data.addressOf(at, step), at, step);
    });
    // A stream that ends early keeps what it delivered rather than trailing zeros.
    if (done < total)
        m_data.setSize(done);
}

void HexEditor::LoadFromStream(QIODevice& stream)
{
    load([&] {
        if (stream.isSequential()) {
            // Length unknown in advance: collect step by step.
            m_data.clear();
            QByteArray chunk;
            while (!(chunk = stream.read(kCopyStep)).isEmpty())
                m_data.insert(m_data.size(), chunk.constData(), chunk.size());
            return;
        }
        if (!stream.seek(0))
            streamFailed(stream);
        copyIn(stream.size(), [&stream](std::uint8_t* dst, qint64, qint64 n) {
            const qint64 got = stream.read(reinterpret_cast<char*>(dst), n);
            if (got < 0)
                streamFailed(stream);
            return got;
        }, progressFileName(stream));
    });
}

void HexEditor::LoadFromBytes(std::span<const std::uint8_t> bytes)
{
    load([&] {
        copyIn(static_cast<qint64>(bytes.size()), [&](std::uint8_t* dst, qint64 at, qint64 n) {
            std::copy_n(bytes.data() + at, n, dst);
            return n;
        }, m_fileName);
    });
}

void HexEditor::load(const std::function<void()>& fill)
{
    const auto wait = waitCursor();
    try {
        fill();
    } catch (...) {
        m_data.clear();
        m_hasFile = false;
        finishLoad();
        throw;
    }
    finishLoad();
}

void HexEditor::finishLoad()
{
    if (m_undo.updateCount == 0)
        ResetUndo();
    m_modifiedBits.clear();
    const bool marked = !m_differences.empty();
    m_differences.clear();
    m_modified = false;
    // A load starts in overwrite mode: typing into a fresh chip image must not shift it.
    m_params.insertMode = false;
    m_selecting = false;
    ResetSelection();
    m_inCharField = false;
    RecomputeGrid();
    SetTopRow(HexLayout::FixedRows);
    SetLeftCol(HexLayout::FixedCols);
    SetCurrentCell(HexLayout::FixedCols, HexLayout::FixedRows);
    if (marked)
        emit DifferenceMarksChanged();
    NotifyChange();
}

void HexEditor::SaveToStream(QIODevice& stream)
{
    SaveRangeToStream(stream, 0, m_data.size());
}

void HexEditor::SaveRangeToStream(QIODevice& stream, qint64 position, qint64 count)
{
    hexCheckBounds(position, count, m_data.size());
    const auto wait = waitCursor();
    copySteps(pkSave, count, progressFileName(stream), [&](qint64 done, qint64 step) {
        if (stream.write(reinterpret_cast<const char*>(m_data.addressOf(position + done, step)), step) != step)
            streamFailed(stream);
        return step;
    });
}

void HexEditor::LoadFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw HexEditorError(QString::fromLatin1(HexMessages::CannotOpen).arg(fileName, file.errorString()));
    const bool readOnly = !QFile(fileName).open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
    LoadFromStream(file);
    m_fileName = fileName;
    m_hasFile = true;
    m_readOnlyFile = readOnly;
}

void HexEditor::SaveToFile(const QString& fileName, bool makeCurrent)
{
    const bool overCurrent =
        m_hasFile && QFileInfo(fileName).absoluteFilePath() == QFileInfo(m_fileName).absoluteFilePath();
    if (overCurrent && m_readOnlyFile)
        throw HexEditorError(QString::fromLatin1(HexMessages::ReadOnlySave).arg(fileName));
    // A failed save keeps the old file; a write the stream refuses throws from inside the save,
    // which then leaves the old file as it was too.
    const FileSaveResult saved = saveFile(fileName, [this](QIODevice& file) {
        SaveToStream(file);
        return true;
    });
    if (saved.status != FileSaveStatus::Saved)
        throw HexEditorError(QString::fromLatin1(HexMessages::CannotOpen).arg(fileName, saved.reason));
    // Only a save that makes the file current gives the control a file: a copy saved elsewhere
    // must not leave it believing "Untitled" exists and is its own.
    if (makeCurrent) {
        m_hasFile = true;
        m_readOnlyFile = false;
        m_fileName = fileName;
        SetModified(false);
    }
}

void HexEditor::CreateEmptyFile(const QString& fileName)
{
    m_data.clear();
    SetModified(false);
    m_selAnchor = m_selStart = m_selEnd = -1;
    m_selecting = false;
    m_fileName = fileName.isEmpty() ? QStringLiteral("Untitled") : fileName;
    m_hasFile = false;
    m_readOnlyFile = true;
    m_inCharField = false;
    RecomputeGrid();
    SetCurrentCell(HexLayout::FixedCols, HexLayout::FixedRows);
}

void HexEditor::SetDataSize(qint64 size)
{
    if (size < 0)
        throw HexEditorError(HexMessages::OutOfBounds);
    const qint64 old = m_data.size();
    if (size == old)
        return;
    if (m_noSizeChange && old != 0 && size != 0)
        throw HexEditorError(HexMessages::FixedFileSize);
    // A fixed-size store only changes size from or to empty, which is a reload, not an edit.
    if (!m_noSizeChange) {
        if (size < old)
            CreateUndo(ufKindByteRemoved, size, old - size);
        else
            CreateUndo(ufKindAppendBuffer, old, size - old);
    }
    const qint64 caret = GetCursorPosition();
    const bool caretCut = caret > size || (caret == size && !m_params.insertMode);
    m_data.setSize(size, 0);
    m_modifiedBits.truncate(size);
    m_modified = true;
    if (caretCut)
        ResetSelection();
    RecomputeGrid();
    if (caretCut)
        MoveCaretTo(std::max<qint64>(size - 1, 0), m_inCharField);
    AfterEdit();
}

bool HexEditor::Modified() const
{
    return m_modified && (m_data.size() > 0 || (m_hasFile && QFileInfo::exists(m_fileName)));
}

void HexEditor::SetModified(bool modified)
{
    m_modified = modified;
    if (!modified) {
        ResetUndo();
        m_modifiedBits.clear();
        viewport()->update();
    }
}

void HexEditor::ReadBuffer(void* buffer, qint64 position, qint64 count) const
{
    m_data.readAt(position, buffer, count);
}

void HexEditor::WriteBuffer(const void* buffer, qint64 position, qint64 count)
{
    m_data.writeAt(position, buffer, count);
    AfterEdit();
}

std::uint8_t HexEditor::GetDataAt(qint64 position) const
{
    return m_data.at(position);
}

void HexEditor::SetDataAt(qint64 position, std::uint8_t value)
{
    m_data.writeAt(position, &value, 1);
    AfterEdit();
}

qint64 HexEditor::Seek(qint64 offset, int origin)
{
    if (m_data.size() == 0)
        return -1;
    const qint64 base = origin == 1 ? GetCursorPosition() : origin == 2 ? m_data.size() - 1 : 0;
    const qint64 target = std::clamp<qint64>(base + offset, 0, m_data.size() - 1);
    ResetSelection();
    MoveCaretTo(target, m_inCharField);
    return target;
}

void HexEditor::NotifyChange()
{
    if (OnChange)
        OnChange();
    RequestSelectionChanged();
}

void HexEditor::RequestSelectionChanged()
{
    // Many selection moves in one burst of input make one notification.
    if (m_selectionChangeCount++ > 0)
        return;
    QMetaObject::invokeMethod(this, [this] {
        m_selectionChangeCount = 0;
        if (OnSelectionChanged)
            OnSelectionChanged();
    }, Qt::QueuedConnection);
}

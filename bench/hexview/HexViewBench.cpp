// Figures for the hex view with a 64 MiB image and the FlashEditor settings: load time against
// a plain copy, full repaints at the top, middle and end, page-down scrolling and memory.
#include "hexview/HexEditorEx.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

double repaintMs(HexEditor& editor, QImage& target)
{
    QElapsedTimer t;
    t.start();
    const int runs = 20;
    for (int i = 0; i < runs; ++i)
        editor.viewport()->render(&target);
    return double(t.nsecsElapsed()) / 1e6 / runs;
}

std::vector<std::uint8_t> sampleImage(std::size_t size)
{
    // Text, counting bytes and erased flash, so every colour and glyph path shows.
    std::vector<std::uint8_t> bytes(size, 0xFF);
    const char* text = "Zorvex boot loader v1.0 - (c) sample image\r\n";
    for (std::size_t i = 0; i < std::min<std::size_t>(size, 4096); ++i)
        bytes[i] = i < 1024 ? std::uint8_t(text[i % std::strlen(text)]) : std::uint8_t(i);
    std::mt19937 rng(1);
    for (std::size_t i = 4096; i < size / 2; ++i)
        bytes[i] = std::uint8_t(rng());
    return bytes;
}

int screenshot(const char* path)
{
    HexEditorEx editor;
    applyFlashEditorSettings(editor);
    editor.resize(880, 518);
    const auto bytes = sampleImage(1 << 20);
    editor.LoadFromBytes(bytes);
    editor.show();
    editor.setFocus();
    editor.Seek(0x25, 0);
    QApplication::processEvents();
    return editor.grab().save(QString::fromLocal8Bit(path)) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0)
        return screenshot(argv[2]);

    const std::size_t size = 64u << 20;
    const auto source = sampleImage(size);
    const long baseKiB = residentKiB();

    // The baseline gets a fresh block as the load does: its first touch costs page faults.
    QElapsedTimer t;
    t.start();
    auto* copy = static_cast<std::uint8_t*>(std::malloc(size));
    std::memset(copy, 0xFF, size);
    std::memcpy(copy, source.data(), size);
    asm volatile("" : : "r"(copy) : "memory");  // keep the copy from being optimised away
    const double copyMs = double(t.nsecsElapsed()) / 1e6;
    std::free(copy);

    HexEditorEx editor;
    applyFlashEditorSettings(editor);
    editor.resize(880, 518);
    editor.show();
    QApplication::processEvents();
    const long beforeKiB = residentKiB();
    t.restart();
    editor.LoadFromBytes(source);
    const double loadMs = double(t.nsecsElapsed()) / 1e6;
    const long afterKiB = residentKiB();

    QImage target(editor.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const double top = repaintMs(editor, target);
    editor.SetTopLeftPosition(qint64(size / 2));
    const double middle = repaintMs(editor, target);
    editor.SetTopLeftPosition(qint64(size - 1));
    const double end = repaintMs(editor, target);

    editor.SetTopLeftPosition(0);
    t.restart();
    for (int i = 0; i < 1000; ++i) {
        editor.SetTopRow(editor.TopRow() + editor.VisibleRowCount() - 1);
        editor.viewport()->render(&target);
    }
    const double pagesMs = double(t.nsecsElapsed()) / 1e6;

    std::printf("load 64 MiB:             %8.1f ms (fresh block, fill + copy %.1f ms, ratio %.2f)\n",
                loadMs, copyMs, loadMs / copyMs);
    std::printf("repaint 880x518 top:     %8.2f ms\n", top);
    std::printf("repaint 880x518 middle:  %8.2f ms\n", middle);
    std::printf("repaint 880x518 end:     %8.2f ms\n", end);
    std::printf("1000 page-downs+repaint: %8.1f ms\n", pagesMs);
    std::printf("memory beyond the image: %8.1f MiB (process before %ld KiB)\n",
                double(afterKiB - beforeKiB) / 1024.0 - 64.0, baseKiB);
    return 0;
}

// Choosing the current chip: the three chip lists, the size fields and the search dialog.
#include "TForm1.h"

#include "app/FocusReturn.h"
#include "chipdb/TForm3.h"
#include "hexview/HexEditorEx.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <bit>

int TForm1::selectChipNamed(const QString& type, const QString& manufacturer, const QString& model)
{
    // The first round builds the manufacturer list of the type, the second the model list of
    // the manufacturer, the third chooses the model.
    int slot = -1;
    for (int round = 0; round < 3; ++round)
        slot = SelectChip(m_chipLists.find(ChipLists::Type, type), m_chipLists.find(ChipLists::Manufacturer, manufacturer),
                          m_chipLists.find(ChipLists::Model, model));
    return slot;
}

namespace {

// Shows the items of a chip list in its drop-down list; one that shows them already is left as
// it is.
void showItems(QComboBox* box, const QStringList& items)
{
    bool same = box->count() == items.size();
    for (int i = 0; same && i < box->count(); ++i)
        same = box->itemText(i) == items[i];
    if (same)
        return;
    box->clear();
    box->addItems(items);
}

}  // namespace

int TForm1::SelectChip(int type, int manufacturer, int model)
{
    // Positions set here are not the user's choice: the list handlers must not run.
    const QSignalBlocker typeBlocker(ComboBox1);
    const QSignalBlocker manufacturerBlocker(ComboBox2);
    const QSignalBlocker modelBlocker(ComboBox3);
    const int slot = m_chipLists.select(type, manufacturer, model);
    showItems(ComboBox1, m_chipLists.items(ChipLists::Type));
    showItems(ComboBox2, m_chipLists.items(ChipLists::Manufacturer));
    showItems(ComboBox3, m_chipLists.items(ChipLists::Model));
    if (slot >= 0) {
        m_session.setCurrentChip(slot);
        const ChipRecord& record = currentChipRecord();
        Edit1->setText(QString::number(record.flashSize));
        // The lowest bit of the size from 64 bytes up picks the item ("64B" is the first).
        if (const int p = std::countr_zero(record.flashSize >> 6); p < ComboBox5->count())
            ComboBox5->setCurrentIndex(p);
        Edit2->setText(QString::number(record.flashPage));
    }
    LoadViewFromBuffer();
    // A position outside its list leaves that list with no item chosen.
    ComboBox1->setCurrentIndex(type);
    ComboBox2->setCurrentIndex(manufacturer);
    ComboBox3->setCurrentIndex(model);
    return slot;
}

void TForm1::ComboBox1Change()
{
    ComboBox2->setCurrentIndex(0);
    ComboBox3->setCurrentIndex(0);
    ComboBox3Change();
}

void TForm1::ComboBox2Change()
{
    ComboBox3->setCurrentIndex(0);
    ComboBox3Change();
}

void TForm1::ComboBox3Change()
{
    m_index = {ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex()};
    SelectChip(m_index[0], m_index[1], m_index[2]);
}

void TForm1::BitBtn2Click()
{
    const FocusReturn focus(this);
    Form3->exec();
}

void TForm1::LoadViewFromBuffer()
{
    // Every reload of the view passes here, so none can drop the view's unsaved edits: they go
    // into DataBuffer first. A path that replaces DataBuffer as a whole takes them before it does.
    TakeViewEdits();
    // The view gets its own copy; flashSize never exceeds the buffer, but a damaged database
    // record could claim more.
    const qint64 size = std::min<qint64>(currentChipRecord().flashSize, DataBufferSize);
    FlashEditor->LoadFromBytes(dataBuffer().first(static_cast<std::size_t>(size)));
}

void TForm1::TakeViewEdits()
{
    if (!FlashEditor->Modified())
        return;
    // The whole view: bytes inserted into a full chip's image push its end past the chip, and
    // stay in the image for Save and Write to ask about rather than being dropped.
    const qint64 count = std::min<qint64>(FlashEditor->DataSize(), DataBufferSize);
    FlashEditor->ReadBuffer(dataBuffer().data(), 0, count);
    // Edits change bytes inside the image; they do not cut off an image longer than the view
    // (a file larger than the chip chosen), which a later chip choice shows and a write programs.
    setDataLength(std::max(dataLength(), static_cast<qint32>(count)));
    FlashEditor->SetModified(false);
}

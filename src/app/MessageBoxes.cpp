#include "MessageBoxes.h"

#include "text/FixedTexts.h"
#include "text/Languages.h"
#include "text/MessageCatalogExtra.h"

#include "FocusReturn.h"

#include <QAbstractButton>
#include <QQueue>

namespace {

QQueue<QMessageBox::StandardButton>& answers()
{
    static QQueue<QMessageBox::StandardButton> queue;
    return queue;
}

QList<MessageBoxes::Shown>& shownBoxes()
{
    static QList<MessageBoxes::Shown> list;
    return list;
}

// The box, or the next queued answer; with a queued answer the box is recorded instead of shown.
QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    if (!answers().isEmpty()) {
        shownBoxes().append(MessageBoxes::Shown{icon, title, text});
        return answers().dequeue();
    }
    // The focus goes back where it was: a box must not leave the keys of the window dead.
    const FocusReturn focus(parent ? parent->window() : nullptr);
    QMessageBox box(icon, title, text, buttons, parent);
    // Qt names the buttons in the languages it has a translation for; in the others the
    // program's own texts do, so a question is not answered in a language it was not asked in.
    if (isValidLanguage(currentLanguage()) && !languageInfo(currentLanguage()).qtName) {
        if (QAbstractButton* yes = box.button(QMessageBox::Yes))
            yes->setText(ExtraMessages::text(ExtraText::YesButton));
        if (QAbstractButton* no = box.button(QMessageBox::No))
            no->setText(ExtraMessages::text(ExtraText::NoButton));
    }
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void MessageBoxes::setNextAnswer(QMessageBox::StandardButton answer)
{
    answers().enqueue(answer);
}

int MessageBoxes::pendingAnswers()
{
    return static_cast<int>(answers().size());
}

const QList<MessageBoxes::Shown>& MessageBoxes::history()
{
    return shownBoxes();
}

void MessageBoxes::clearHistory()
{
    shownBoxes().clear();
}

void MessageBoxes::reset()
{
    answers().clear();
    shownBoxes().clear();
}

void MessageBoxes::error(QWidget* parent, const QString& text)
{
    show(parent, QMessageBox::Critical, fixedText(FixedText::ErrorTitle), text, QMessageBox::Ok);
}

void MessageBoxes::information(QWidget* parent, const QString& text)
{
    show(parent, QMessageBox::Information, fixedText(FixedText::InformationTitle), text, QMessageBox::Ok);
}

bool MessageBoxes::yesNo(QWidget* parent, const QString& text)
{
    return show(parent, QMessageBox::Question, fixedText(FixedText::QuestionTitle), text,
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

// The language switch: the captions of the four forms and the check marks of the language menu.
#include "TForm1.h"

#include "text/Captions.h"
#include "text/MessageCatalogExtra.h"
#include "PanelStatusBar.h"
#include "QtTranslations.h"
#include "TAboutBox.h"
#include "chipdb/TForm2.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>

namespace {

// Whether object belongs to form itself rather than to another window parented to it: the
// dialogs are children of the main window and reuse its control names (Label1, BitBtn1 ...).
// Menus are windows of their own but belong to the form whose menu bar holds them.
bool belongsTo(const QObject* object, const QWidget* form)
{
    for (const QObject* o = object->parent(); o; o = o->parent()) {
        if (o == form)
            return true;
        const auto* widget = qobject_cast<const QWidget*>(o);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget))
            return false;
    }
    return false;
}

QObject* findControl(QWidget* form, const QString& name)
{
    if (form->objectName() == name)
        return form;
    for (QObject* candidate : form->findChildren<QObject*>(name)) {
        if (belongsTo(candidate, form))
            return candidate;
    }
    return nullptr;
}

void setCaption(QObject* control, const CaptionEntry& entry, const QString& text)
{
    switch (entry.property) {
    case CaptionProperty::WindowTitle:
        if (auto* widget = qobject_cast<QWidget*>(control))
            widget->setWindowTitle(text);
        return;
    case CaptionProperty::PanelText:
        if (auto* bar = qobject_cast<PanelStatusBar*>(control))
            bar->setPanelText(entry.index, text);
        return;
    case CaptionProperty::ColumnTitle:
        if (auto* list = qobject_cast<QTreeWidget*>(control))
            list->headerItem()->setText(entry.index, text);
        return;
    case CaptionProperty::Caption:
    case CaptionProperty::MenuCaption:
        break;
    }
    if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
}

}  // namespace

void TForm1::applyCaptionSet(const QString& setName, QWidget* form, bool designed)
{
    const Language language = currentLanguage();
    for (const CaptionEntry& entry : captionsFor(setName).entries) {
        const QString text = designed ? entry.designedText() : entry.text(language);
        if (text.isNull())
            continue;
        if (QObject* control = findControl(form, QString::fromLatin1(entry.control)))
            setCaption(control, entry, text);
    }
}

void TForm1::registerLanguageForm(const QString& setName, QWidget* form)
{
    m_languageForms.emplace_back(setName, form);
    // A dialog starts with the captions it was designed with, like the main window.
    applyCaptionSet(setName, form, true);
}

void TForm1::ApplyLanguage()
{
    const Language language = currentLanguage();
    // Only an edited settings file gives another value; then every caption stays as it is.
    if (!isValidLanguage(language))
        return;
    for (std::size_t i = 0; i < LanguageItems.size(); ++i)
        LanguageItems[i]->setChecked(static_cast<int>(i) == static_cast<int>(language));
    // The buttons of every box and the file dialogs are Qt's own texts.
    QtTranslations::apply(language);
    applyCaptionSet(QStringLiteral("TForm1"), this, false);
    for (const auto& [setName, form] : m_languageForms)
        applyCaptionSet(setName, form, false);
    // Texts the table languages show alike, translated in the others.
    AboutBox->applyLanguage();
    if (Form2)
        Form2->applyLanguage();
    // The connection state or the running operation, shown again in the new language (and so
    // drawn red again when it says not connected), and the difference range shown. Log lines
    // stay as they were written.
    if (const std::optional<MessageKey> key = catalogKeyOf(StatusBar1->panelText(1)))
        setStatus(MessageCatalog::text(*key));
    showDifferenceStatus();
    buildProgrammerMenu();
}

// Every language the window speaks, checked table-wide: menus keep distinct accelerators and
// every caption fits the control that shows it.
#include "WindowFixture.h"

#include "app/PanelStatusBar.h"
#include "buffer/TForm4.h"
#include "chipdb/TForm2.h"
#include "chipdb/TForm3.h"
#include "text/Languages.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

QString codeOf(Language language)
{
    return QString::fromLatin1(languageInfo(language).code);
}

// The accelerator letters of these items that more than one item claims.
QStringList sharedAccelerators(const QList<QAction*>& items)
{
    QMap<QChar, QStringList> claims;
    for (const QAction* item : items) {
        const QString text = item->text();
        for (qsizetype i = text.indexOf(u'&'); i >= 0 && i + 1 < text.size(); i = text.indexOf(u'&', i + 2)) {
            if (text[i + 1] != u'&') {
                claims[text[i + 1].toLower()] << text;
                break;
            }
        }
    }
    QStringList shared;
    for (auto it = claims.cbegin(); it != claims.cend(); ++it) {
        if (it.value().size() > 1)
            shared << it.value().join(QStringLiteral(" / "));
    }
    return shared;
}

// The width a button's caption, indicator and icon take, without the style's minimum button width.
int neededWidth(const QAbstractButton* button)
{
    const QString text = QString(button->text()).replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    const int textWidth = button->fontMetrics().horizontalAdvance(text);
    const QStyle* style = button->style();
    const auto metric = [&](QStyle::PixelMetric which) { return style->pixelMetric(which, nullptr, button); };
    if (qobject_cast<const QCheckBox*>(button))
        return metric(QStyle::PM_IndicatorWidth) + metric(QStyle::PM_CheckBoxLabelSpacing) + textWidth;
    if (qobject_cast<const QRadioButton*>(button))
        return metric(QStyle::PM_ExclusiveIndicatorWidth) + metric(QStyle::PM_RadioButtonLabelSpacing) + textWidth;
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const auto* tool = qobject_cast<const QToolButton*>(button);
    if (tool && tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon)
        return textWidth + 4;
    return textWidth + icon + 2 * metric(QStyle::PM_ButtonMargin);
}

// A list that offers fixed texts shows whichever of them is chosen whole.
QStringList clippedItems(const QComboBox* list)
{
    QStringList clipped;
    if (list->isEditable())
        return clipped;
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.frame = list->hasFrame();
    const int has = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 2;
    for (int item = 0; item < list->count(); ++item) {
        const int needed = list->fontMetrics().horizontalAdvance(list->itemText(item));
        if (needed > has)
            clipped << QStringLiteral("%1 \"%2\": needs %3 px, has %4").arg(list->objectName(), list->itemText(item)).arg(needed).arg(has);
    }
    return clipped;
}

// "control: text needs N px, has M": each caption of form wider than its control.
QStringList clippedCaptions(QWidget* form)
{
    QStringList clipped;
    const auto check = [&clipped](const QWidget* control, const QString& text, int needed, int has) {
        if (needed > has)
            clipped << QStringLiteral("%1 \"%2\": needs %3 px, has %4").arg(control->objectName(), text).arg(needed).arg(has);
    };
    for (QWidget* control : form->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(form) || control->window() != form)
            continue;
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap() && !label->text().isEmpty())
            check(label, label->text(), label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
        else if (auto* button = qobject_cast<QAbstractButton*>(control); button && !button->text().isEmpty())
            check(button, button->text(), neededWidth(button), button->width());
        else if (auto* group = qobject_cast<QGroupBox*>(control); group && !group->title().isEmpty())
            check(group, group->title(), group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width());
        else if (auto* list = qobject_cast<QComboBox*>(control))
            clipped += clippedItems(list);
        // The table languages keep the list columns as designed; the added ones widen them.
        else if (auto* header = qobject_cast<QHeaderView*>(control);
                 header && header->orientation() == Qt::Horizontal && isTranslatedLanguage(currentLanguage())) {
            for (int section = 0; section < header->count(); ++section) {
                const QString title = header->model()->headerData(section, Qt::Horizontal).toString();
                // A section collapsed to nothing is hidden by design.
                if (header->sectionSize(section) > 1 && !title.isEmpty())
                    check(header, title, header->fontMetrics().horizontalAdvance(title) + 4, header->sectionSize(section));
            }
        }
    }
    return clipped;
}

}  // namespace

using AllLanguages = WindowFixture;

TEST_F(AllLanguages, NoTwoItemsOfAMenuShareAnAccelerator)
{
    TForm1& window = openWindow();
    for (QAction* item : window.LanguageItems) {
        item->trigger();
        const std::string code = codeOf(currentLanguage()).toStdString();
        EXPECT_TRUE(item->isChecked()) << code;
        const QStringList bar = sharedAccelerators(window.menuBar()->actions());
        EXPECT_TRUE(bar.isEmpty()) << code << ", menu bar: " << bar.join(u", ").toStdString();
        for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
            const QStringList shared = sharedAccelerators(menu->actions());
            EXPECT_TRUE(shared.isEmpty()) << code << ", " << menu->title().toStdString() << ": "
                                          << shared.join(u", ").toStdString();
        }
    }
}

TEST_F(AllLanguages, NoTwoLabelsOfAFormShareACaption)
{
    writeSettings(QStringLiteral("[DEVICE]\nchip=1\n"));
    TForm1& window = openWindow();
    for (QAction* item : window.LanguageItems) {
        item->trigger();
        for (QWidget* form : QList<QWidget*>{&window, window.Form2, window.Form3, window.Form4}) {
            QMap<QString, QStringList> owners;
            for (const QLabel* label : form->findChildren<QLabel*>()) {
                if (label->window() == form && !label->text().isEmpty())
                    owners[label->text()] << label->objectName();
            }
            for (auto it = owners.cbegin(); it != owners.cend(); ++it)
                EXPECT_EQ(it.value().size(), 1) << codeOf(currentLanguage()).toStdString() << " "
                                                << form->objectName().toStdString() << ": \""
                                                << it.key().toStdString() << "\" on " << it.value().join(u' ').toStdString();
        }
    }
}

TEST_F(AllLanguages, EveryCaptionFitsItsControlAtTheSmallestAndTheFirstStartSize)
{
    // With the device command shown: the widest tool bar there is.
    writeSettings(QStringLiteral("[DEVICE]\nchip=1\n"));
    TForm1& window = openWindow();
    const QList<QWidget*> dialogs{window.Form2, window.Form3, window.Form4};
    const QList<MessageKey> statuses{MessageKey::StatusReady,   MessageKey::StatusNotConnected, MessageKey::StatusErasing,
                                     MessageKey::StatusReading, MessageKey::StatusBlankChecking, MessageKey::StatusVerifying,
                                     MessageKey::StatusWriting};
    for (const QSize size : {QSize(800, 600), QSize(881, 518)}) {
        window.resize(size);
        for (QAction* item : window.LanguageItems) {
            item->trigger();
            QCoreApplication::processEvents();
            const std::string where = codeOf(currentLanguage()).toStdString() + " at " + std::to_string(size.width())
                                      + "x" + std::to_string(size.height());
            // A caption that pushes the window past the size asked for does not fit either.
            EXPECT_EQ(window.size(), size) << where;
            QStringList clipped = clippedCaptions(&window);
            // A tool bar too narrow for its buttons hides the last ones behind its extension.
            for (QAction* action : window.ToolBar1->actions()) {
                if (action->isVisible() && !window.ToolBar1->widgetForAction(action)->isVisible())
                    clipped << QStringLiteral("tool bar: \"%1\" does not fit").arg(action->text());
            }
            for (QWidget* dialog : dialogs) {
                dialog->show();
                QCoreApplication::processEvents();
                clipped += clippedCaptions(dialog);
                dialog->hide();
            }
            // The chip editor's algorithm list holds the algorithms of the family chosen.
            auto* family = window.Form2->findChild<QComboBox*>(QStringLiteral("ComboBox4"));
            auto* algorithm = window.Form2->findChild<QComboBox*>(QStringLiteral("ComboBox8"));
            window.Form2->show();
            for (int index = 1; index < family->count(); ++index) {
                family->setCurrentIndex(index);
                QCoreApplication::processEvents();
                clipped += clippedItems(algorithm);
            }
            family->setCurrentIndex(0);
            window.Form2->hide();
            PanelStatusBar* bar = window.StatusBar1;
            const auto panelFits = [&](int panel, const QString& text) {
                const int needed = bar->fontMetrics().horizontalAdvance(text) + 4;
                if (needed > bar->panelRect(panel).width())
                    clipped << QStringLiteral("status panel %1 \"%2\": needs %3 px, has %4")
                                   .arg(panel).arg(text).arg(needed).arg(bar->panelRect(panel).width());
            };
            panelFits(0, bar->panelText(0));
            panelFits(2, bar->panelText(2));
            for (const MessageKey status : statuses)
                panelFits(1, MessageCatalog::text(status));
            EXPECT_TRUE(clipped.isEmpty()) << where << ":\n  " << clipped.join(QStringLiteral("\n  ")).toStdString();
        }
    }
}

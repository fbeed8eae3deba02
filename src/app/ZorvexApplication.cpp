#include "ZorvexApplication.h"

#include "text/FixedTexts.h"

#include "MessageBoxes.h"

#include <exception>

bool ZorvexApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        MessageBoxes::error(activeWindow(), QString::fromUtf8(error.what()));
    } catch (...) {
        MessageBoxes::error(activeWindow(), fixedText(FixedText::UnknownError));
    }
    return false;
}

#include "app/MessageBoxes.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ThrowingObject : public QObject {
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Data position/length out of data bounds");
        return QObject::event(event);
    }
};

}  // namespace

TEST(ZorvexApplication, AnErrorEscapingAHandlerIsShownAndTheProgramGoesOn)
{
    MessageBoxes::reset();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    ThrowingObject object;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    EXPECT_EQ(MessageBoxes::history()[0].title, QStringLiteral("Error"));
    EXPECT_EQ(MessageBoxes::history()[0].text,
        QStringLiteral("Data position/length out of data bounds"));
    MessageBoxes::reset();
}

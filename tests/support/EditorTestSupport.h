#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace spinora::test {

// A named control of an editor; fails the test when it is missing.
template <class T>
T* control(QWidget* editor, const char* name)
{
    T* found = editor->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

inline void click(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString() << " is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
}

// Types into a field as a user would: select all, then the new text.
inline void typeInto(QLineEdit* field, const QString& text)
{
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

inline void typeInto(QComboBox* box, const QString& text)
{
    ASSERT_NE(box, nullptr);
    typeInto(box->lineEdit(), text);
}

// Double-clicks a row of a list as the platform reports it: a click, then
// the second press as a double click.
inline void doubleClickRow(QAbstractItemView* view, int row)
{
    ASSERT_NE(view, nullptr);
    const QPoint point = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
}

// Chooses a list item with the arrow keys, as a user without a mouse would.
inline void chooseItem(QComboBox* box, int index)
{
    ASSERT_NE(box, nullptr);
    QApplication::setActiveWindow(box->window()); // the keys go to the focus of the active window
    box->setFocus();
    for (int guard = 0; guard < 100 && box->currentIndex() != index; ++guard)
        QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(box->currentIndex(), index);
}

// Runs `drive` once the next modal window of type T is open.
template <class T>
void whenModalOpens(std::function<void(T*)> drive, int attempts = 200)
{
    QTimer::singleShot(10, [drive, attempts] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<T*>(top); window && window->isVisible()) {
                drive(window);
                return;
            }
        }
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* window = top->findChild<T*>(); window && window->isVisible()) {
                drive(window);
                return;
            }
        }
        if (attempts > 0)
            whenModalOpens<T>(drive, attempts - 1);
    });
}

// Answers the next alert with the button of this text.
inline void answerAlert(const QString& buttonText, QString* message = nullptr, QString* informative = nullptr)
{
    whenModalOpens<QMessageBox>([buttonText, message, informative](QMessageBox* alert) {
        if (message)
            *message = alert->text();
        if (informative)
            *informative = alert->informativeText();
        for (QAbstractButton* button : alert->buttons()) {
            if (button->text() == buttonText) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no button " << buttonText.toStdString() << " in alert " << alert->text().toStdString();
        alert->reject();
    });
}

} // namespace spinora::test

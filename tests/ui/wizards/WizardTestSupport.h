#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <memory>

// Answers the next message box as soon as it shows and keeps its title and text.
struct MessageCatcher
{
    std::shared_ptr<QString> title = std::make_shared<QString>();
    std::shared_ptr<QString> text = std::make_shared<QString>();

    void Arm() const
    {
        QTimer::singleShot(0, [title = title, text = text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *title = box->windowTitle();
                *text = box->text();
                box->done(QMessageBox::Ok);
            }
        });
    }
};

// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Toolkit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QThread>

#include <cstdio>

int tagOf(const QObject *o)
{
    return o ? o->property("tag").toInt() : 0;
}

namespace {
bool inControlBands(int tag)
{
    const auto in = [tag](int lo, int hi) { return tag >= lo && tag <= hi; };
    return in(31000, 31999) || in(32200, 32299) || in(34000, 34999) || in(35000, 35999) || in(36000, 36999) ||
           in(39000, 39999) || in(40000, 40099) || in(40100, 40199);
}
} // namespace

QWidget *findTagged(QWidget *container, int tag)
{
    if (!container)
        return nullptr;
    if (tagOf(container) == tag)
        return container;
    const auto children = container->findChildren<QWidget *>();
    for (QWidget *w : children)
        if (tagOf(w) == tag)
            return w;
    return nullptr;
}

QObject *findControl(int tag, QWidget *container)
{
    return inControlBands(tag) ? findTagged(container, tag) : nullptr;
}

AlertPanel::Responder &AlertPanel::responder()
{
    static Responder r;
    return r;
}

void AlertPanel::setResponder(Responder r)
{
    responder() = std::move(r);
}

int AlertPanel::run(const QString &title, const QString &message, const QString &defaultButton,
                    const QString &alternateButton, const QString &otherButton)
{
    const AlertRequest request{title, message, defaultButton, alternateButton, otherButton};
    if (responder())
        return responder()(request);
    QMessageBox box(QMessageBox::NoIcon, title, message);
    box.setIcon(title == QLatin1String("Alert") ? QMessageBox::Warning : QMessageBox::Information);
    QAbstractButton *def = box.addButton(defaultButton.isEmpty() ? QStringLiteral("Ok") : defaultButton,
                                         QMessageBox::AcceptRole);
    QAbstractButton *alt = alternateButton.isEmpty() ? nullptr : box.addButton(alternateButton, QMessageBox::RejectRole);
    QAbstractButton *other = otherButton.isEmpty() ? nullptr : box.addButton(otherButton, QMessageBox::DestructiveRole);
    box.setDefaultButton(qobject_cast<QPushButton *>(def));
    if (alt)
        box.setEscapeButton(alt);
    box.exec();
    if (box.clickedButton() == other && other)
        return -1;
    if (box.clickedButton() == def)
        return 1;
    return 0;
}

SavePanel::Responder &SavePanel::responder()
{
    static Responder r;
    return r;
}

void SavePanel::setResponder(Responder r)
{
    responder() = std::move(r);
}

void SavePanel::begin(QWidget *window, const QString &proposedName, const Done &done)
{
    if (responder()) {
        responder()(done);
        return;
    }
    auto *dialog = new QFileDialog(window, QStringLiteral("Save tickets"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(QStringLiteral("Text files (*.txt)"));
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->selectFile(proposedName + QStringLiteral(".txt"));
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        const QStringList files = dialog->selectedFiles();
        if (result == QDialog::Accepted && !files.isEmpty())
            done(1, files.first());
        else
            done(0, QString());
    });
    dialog->open();
}

QString bundleResourcePath(const QString &name)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList dirs{appDir + QStringLiteral("/resources"), appDir + QStringLiteral("/../share/wheelwright")};
    for (const QString &dir : dirs) {
        const QString path = QDir(dir).filePath(name);
        if (QFileInfo::exists(path))
            return QDir::cleanPath(path);
    }
    return QString();
}

KNSTabView::KNSTabView(QWidget *parent) : QTabWidget(parent)
{
    tabBar()->installEventFilter(this);
}

QString KNSTabView::selectedIdentifier() const
{
    const QWidget *page = currentWidget();
    return page ? page->property("identifier").toString() : QString();
}

void KNSTabView::selectTabViewItemAtIndex(int index)
{
    if (index < 0 || index >= count() || index == currentIndex())
        return;
    if (delegate_ && !delegate_->tabViewShouldSelectTabViewItem(this, index))
        return;
    setCurrentIndex(index);
}

bool KNSTabView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tabBar()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto *me = static_cast<QMouseEvent *>(event);
            if (me->button() == Qt::LeftButton) {
                const int index = tabBar()->tabAt(me->position().toPoint());
                if (index >= 0)
                    selectTabViewItemAtIndex(index);
            }
            return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::Wheel:
            return true;
        case QEvent::KeyPress: {
            const auto *ke = static_cast<QKeyEvent *>(event);
            const int step = ke->key() == Qt::Key_Left ? -1 : ke->key() == Qt::Key_Right ? 1 : 0;
            if (step == 0)
                break;
            selectTabViewItemAtIndex(currentIndex() + step);
            return true;
        }
        default:
            break;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

void KNSTabView::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+Tab and friends ask like every other change.
    if (event->modifiers() & Qt::ControlModifier &&
        (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp ||
         event->key() == Qt::Key_PageDown)) {
        const bool back = event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp ||
                          (event->modifiers() & Qt::ShiftModifier);
        selectTabViewItemAtIndex(currentIndex() + (back ? -1 : 1));
        event->accept();
        return;
    }
    QTabWidget::keyPressEvent(event);
}

void DebugLog(const char *file, int line, const char *function, const QString &message)
{
    QString text = message;
    if (!text.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    const QByteArray fileName = QFileInfo(QString::fromLocal8Bit(file)).fileName().toLocal8Bit();
    const QString threadName = QThread::currentThread()->objectName();
    const QByteArray msg = text.toLocal8Bit();
    if (!threadName.isEmpty())
        std::fprintf(stderr, "%s/%s (%s:%d) %s", threadName.toLocal8Bit().constData(), function, fileName.constData(),
                     line, msg.constData());
    else
        std::fprintf(stderr, "%p/%s (%s:%d) %s", static_cast<void *>(QThread::currentThread()), function,
                     fileName.constData(), line, msg.constData());
}

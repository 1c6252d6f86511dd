#include "runtime/report.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace runtime {

void reportUntrapped(const RuntimeError& error) {
    const QString title = QCoreApplication::applicationName();
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), error.what());
    std::fflush(stderr);
    if (qApp) {
        QMessageBox box(QMessageBox::Critical, title, QString::fromUtf8(error.what()), QMessageBox::Ok);
        box.exec();
    }
    std::_Exit(EXIT_FAILURE);
}

} // namespace runtime

#include "output/qt_finding_marks.h"

#include <QApplication>
#include <QListWidget>
#include <QStyle>

namespace tev {

void MarkFindings(QListWidget* list, const std::vector<Finding>& findings, int firstLine) {
    const QIcon errorIcon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon hintIcon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    for (const Finding& finding : findings) {
        QListWidgetItem* item = list->item(firstLine + finding.line);
        if (item == nullptr) continue;
        const bool error = finding.severity == FindingSeverity::Error;
        item->setIcon(error ? errorIcon : hintIcon);
        item->setForeground(error ? QColor(176, 0, 0) : QColor(0, 0, 140));
        QString tip = QString::fromUtf8(SeverityText(finding.severity));
        if (finding.place.table > 0)
            tip += QString::fromUtf8(" in Tabelle ") +
                   QString::fromStdString(TableNumberText(finding.place.table)) +
                   QString::fromUtf8(" – Doppelklick öffnet die Zelle");
        item->setToolTip(tip);
        item->setData(Qt::UserRole, error ? 1 : 2);
    }
}

} // namespace tev

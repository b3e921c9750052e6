#pragma once
// The two twin windows that add lines to the visit shown: the lines of a
// product set (Tfsuit) or of one of the patient's earlier visits (Tfold_drug).

#include "data/connection.h"
#include "visit/visitstore.h"

#include <QWidget>

class QComboBox;
class QTableWidget;

class TVisitLinePicker : public QWidget {
    Q_OBJECT
public:
    TVisitLinePicker(LineSource source, const QString& visitNumber, const QString& customerNo, QWidget* parent = nullptr);

    LineSource source() const { return source_; }
    // "กลับ -ใช้รายการยานี้": copies the lines shown into the visit.
    bool useLines();

Q_SIGNALS:
    void linesAdded(); // the visit's lines and totals changed
    void closed();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void loadLines();

    Connection db_;
    LineSource source_;
    QString visitNumber_;
    QComboBox* choice_;
    QTableWidget* grid_;
    QList<QVariantMap> lines_;
};

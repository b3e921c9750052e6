#pragma once
// The visit screen: one visit (a service row) with its patient, doctor,
// disease, symptoms and diagnosis, its treatment and dispensing lines with
// their totals and stock, moved through by number within the current number
// head. Pages of the screen: the main page, the patient page, the disease
// page and the full-page text editor.

#include "data/connection.h"
#include "labels/druglabels.h"
#include "visit/visitrules.h"

#include <QVariantMap>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableView;
class QTableWidget;
class RowsModel;

class TRecieve_Rent : public QWidget {
    Q_OBJECT
public:
    explicit TRecieve_Rent(QWidget* parent = nullptr);

    QString mode() const { return mode_; }          // "normal", "add", "edit"
    QString lineMode() const { return lineMode_; }  // "normal", "add", "edit"
    TaxMode taxMode() const { return taxMode_; }
    QString head() const { return head_; }
    QString currentVisit() const { return current_; }
    const Connection& connection() const { return db_; }

    // Shows the visit of that number (when it is of the current head).
    void showVisit(const QString& number);

    // Commands.
    void addVisit();
    void editVisit();
    bool saveVisit();
    void cancelVisit();
    void deleteVisit();
    void moveVisit(int step);
    void refreshVisits();
    void addLine();
    void editLine();
    bool saveLine();
    void closeLinePanel();
    void deleteLine();
    // The windows that add the lines of a product set or of an earlier visit.
    class TVisitLinePicker* openLinePicker(bool productSet);

    // The patient page; choosing a customer by number confirms it as "&ตกลง" does.
    void openPatientPage();
    void choosePatient(const QString& customerNo);

    enum Page { MainPage, PatientPage, DiseasePage, TextPage, LabPage, AppointmentPage, SearchPage, FindPage };
    int page() const;

    // The laboratory page and the appointment page of the visit shown.
    void openLabPage();
    void openAppointmentPage();
    bool saveLab();
    bool saveAppointment();

    // The drug-label panel: a clicked line, ticked positions, the request
    // the label sheet prints from.
    void openLabelPanel();
    void selectLabelLine(int row);
    void tickLabel(int position, bool on);
    const DrugLabelRequest& labelRequest() const { return labelRequest_; }
    // "พิมพ์ " of the panel: the label sheet of the request, in a preview.
    void printLabels();

    // "ใบเสร็จ": opens the cash drawer, then the receipt of the visit shown
    // in the layout of the settings, in a preview (browsing only).
    void printReceipt();

    // The search over all visits, and the find-by-number page of the head.
    void openSearchPage();
    void searchEnter();
    void searchBack();
    void openFindPage();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* buildMainPage();
    QWidget* buildLabPage();
    QWidget* buildAppointmentPage();
    QWidget* buildSearchPage();
    QWidget* buildFindPage();
    void searchOrderChanged();
    void copyVisitHeading(QWidget* page);
    void showLab();
    QWidget* buildPatientPage();
    QWidget* buildDiseasePage();
    QWidget* buildTextPage();
    QGroupBox* buildLinePanel(QWidget* parent);
    QGroupBox* buildLabelPanel(QWidget* parent);

    void firstActivation();
    void readSettings();
    void loadDoctors();
    void applyBrowseState();
    void setEditing(bool editing);
    void clearVisitFields();
    void fillPatient(const QVariantMap& customer);
    void clearPatient();
    void loadLines();
    void showTotals(const VisitTotals& t);
    void recomputeDueDate();
    bool lookUpDoctor(QString* number, double* percent);

    // patient page
    void patientSearchChanged();
    void patientEnter();
    void patientOk();
    void patientCancel();
    // disease page
    void diseaseEnter();
    void diseaseBack();
    // text page
    void openTextPage(QPlainTextEdit* source, const QString& caption);
    // line panel
    void loadItems();
    void pickItem(bool fromSearchText);
    void showAllergyWarning();

    Connection db_;
    bool activated_ = false;
    QString mode_ = QStringLiteral("normal");
    QString lineMode_ = QStringLiteral("normal");
    TaxMode taxMode_ = TaxMode::LumpSum;
    QVariantMap settings_; // the sevrsys row read at first activation
    QString head_;
    QString prefix_;
    QString branch_;
    QString current_;      // the visit shown
    QString remembered_;   // the visit being edited
    QVariantMap patient_;  // the picked customer row
    double doctorPercent_ = 0;
    QList<QVariantMap> lines_;
    int editLineAuto_ = 0;
    QVariantMap item_;     // the item picked on the line panel
    QString textTarget_;

    QStackedWidget* pages_;
    QWidget* toolbar_;
    QHash<QString, QPushButton*> buttons_;
    QHash<QString, QLineEdit*> edits_;
    QComboBox* credit_;
    QComboBox* doctor_;
    QPlainTextEdit* symptoms_;
    QPlainTextEdit* diagnosis_;
    QLabel* picture_;
    QLabel* bigTotal_;
    QLabel* sumLabel_;
    QLabel* taxLabel_;
    QLabel* taxCaption_;
    QLabel* totalLabel_;
    QLabel* discountCaption_;
    QTableWidget* linesGrid_;
    QString totalForReceipt_;

    QGroupBox* linePanel_;
    QRadioButton* byCode_;
    QRadioButton* byName_;
    QTableView* itemList_;
    RowsModel* items_;
    QLabel* stockLabel_;
    QLabel* unitLabel_;
    QLabel* allergyWarning_;

    QList<QRadioButton*> patientBy_;
    QLabel* patientSearchLabel_;
    QTableView* patientGrid_;
    class PagedModel* patients_;
    QTableView* nameGrid_;
    RowsModel* names_;

    QTableView* diseaseGrid_;
    RowsModel* diseases_;

    QList<QRadioButton*> searchBy_;
    class PagedModel* visitsFound_;
    QTableView* searchGrid_;
    class PagedModel* headVisits_;
    QTableView* findGrid_;
    QGroupBox* labelPanel_;
    DrugLabelRequest labelRequest_;
    QString selectedCode_, selectedAge_;
    QList<class QCheckBox*> labelTicks_;
    QList<QLineEdit*> labelCodes_;
    QString labMode_;
    QHash<QString, QWidget*> labFields_; // LAP_NO, LAP_FOR, LAP_REM, LAP_PER_NAME
    QHash<QString, QWidget*> appointmentFields_; // APP_DATE, APP_TIME, APP_FOR
    QLabel* textPatient_;
    QLabel* textCaption_;
    QPlainTextEdit* bigText_;
};

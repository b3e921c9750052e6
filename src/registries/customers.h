#pragma once
// The customer and patient registry (TRef_Cust_Sql): the record, the age
// under the birth date, the four pictures of a customer with the page that
// chooses a picture and the page that shows one large, the envelope and the
// member card. Up to 100,000 patients: the list is read by key.

#include "platform/ui/registryconfig.h"

#include <QDate>
#include <QString>
#include <QWidget>

class QFileSystemModel;
class QLabel;
class QListView;
class QTreeView;

RegistryConfig CustomersRegistry();

// "อายุ " + the age in years and months from the birth date text to today;
// empty for an empty birth date. A malformed date tells the user so (the
// date conversion does) and counts from its fallback date.
QString CustomerAgeText(const QString& birthText, const QDate& today);

// Told when a 13-digit national ID number fails its check digit; the save goes on.
QString ThaiIdWarningText();
// The label of picture 1 when the card found no photograph.
QString PhotoNotFoundText();

// The page that chooses a picture file: a folder tree, the *.jpg files of
// the folder and a preview of the file chosen.
class PicturePicker : public QWidget {
    Q_OBJECT
public:
    explicit PicturePicker(QWidget* parent = nullptr);
    void setFolder(const QString& folder);
    void selectFile(const QString& file); // as a click on the file in its folder does
    QString chosenFile() const { return chosen_; }

Q_SIGNALS:
    void used();      // "กลับ/ใช้รูปนี้"
    void cancelled(); // "กลับ/ยกเลิก"

private:
    void choose(const QString& file);

    QFileSystemModel* folders_;
    QFileSystemModel* files_;
    QTreeView* tree_;
    QListView* list_;
    QLabel* preview_;
    QString chosen_;
};

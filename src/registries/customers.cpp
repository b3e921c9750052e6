#include "registries/customers.h"

#include "app/sharedstate.h"
#include "data/thaidate.h"
#include "data/thaiid.h"
#include "platform/print/printpreview.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/registryscreen.h"
#include "platform/ui/widgets.h"
#include "registries/customerpictures.h"
#include "registries/registryparts.h"
#include "registries/registryprints.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSqlRecord>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString No = QStringLiteral("CUST_NO");

QPixmap fitted(const QImage& image, const QSize& box)
{
    if (image.isNull()) return {};
    return QPixmap::fromImage(image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// The picture boxes beside the record, the picture page, the zoom page and
// the card command of one customer window.
class CustomerExtras : public QObject {
public:
    explicit CustomerExtras(RegistryScreen& s) : QObject(&s), s_(s)
    {
        setObjectName(QStringLiteral("customerExtras"));
        build();
    }

    void showRow()
    {
        updateAge();
        showPictures(s_.value(No).toString());
    }

    void updateAge()
    {
        if (auto* note = s_.findChild<QLabel*>(QStringLiteral("note_CUST_BIRTH")))
            note->setText(CustomerAgeText(s_.value(QStringLiteral("CUST_BIRTH")).toString(), QDate::currentDate()));
    }

    void readCardType() { cardType_ = StoredCardType(s_.connection()); }

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease)
            for (int n = 0; n < CustomerPictureCount; ++n)
                if (watched == boxes_[n] && !s_.openedPage()) {
                    openZoom(n + 1);
                    return true;
                }
        return QObject::eventFilter(watched, e);
    }

private:
    QString folder() const { return PictureFolder(shared().DataFolder); }

    void build()
    {
        auto* panel = new QWidget;
        panel->setObjectName(QStringLiteral("picturePanel"));
        auto* grid = new QGridLayout(panel);
        for (int n = 0; n < CustomerPictureCount; ++n) {
            auto* box = new QLabel(panel);
            box->setObjectName(QStringLiteral("imgPicture%1").arg(n + 1));
            box->setFixedSize(110, 120);
            box->setFrameShape(QFrame::Box);
            box->setAlignment(Qt::AlignCenter);
            box->setCursor(Qt::PointingHandCursor);
            box->installEventFilter(this);
            auto* name = new QLabel(panel);
            name->setObjectName(QStringLiteral("lblPicture%1").arg(n + 1));
            QPushButton* pick = makeButton(panel, QStringLiteral("btnPicture%1").arg(n + 1).toLatin1().constData(),
                                           QStringLiteral("เพิ่ม / แก้ไขรูป"));
            connect(pick, &QPushButton::clicked, this, [this, n] { openPicker(n + 1); });
            s_.enableWith(pick, true);
            auto* cell = new QVBoxLayout;
            cell->addWidget(box);
            cell->addWidget(name);
            cell->addWidget(pick);
            grid->addLayout(cell, n / 2, n % 2);
            boxes_[n] = box;
            names_[n] = name;
        }
        auto* zoom = new QToolButton(panel);
        zoom->setObjectName(QStringLiteral("btnZoom"));
        zoom->setText(QStringLiteral("ขยาย"));
        zoom->setCursor(Qt::PointingHandCursor);
        connect(zoom, &QToolButton::clicked, this, [this] { if (!s_.openedPage()) openZoom(1); });
        grid->addWidget(zoom, 2, 0, Qt::AlignLeft);
        s_.addBesideFields(panel);

        picker_ = new PicturePicker;
        picker_->setObjectName(QStringLiteral("picturePage"));
        s_.addPage(picker_);
        connect(picker_, &PicturePicker::cancelled, this, [this] { s_.closePage(); });
        connect(picker_, &PicturePicker::used, this, [this] { usePicture(); });

        buildZoomPage();

        AddEnvelopeButton(s_, Addressee::Customer);
        QPushButton* card = s_.addButton("btnCard", QStringLiteral("บัตร"));
        connect(card, &QPushButton::clicked, this, [this] { printCard(); });
    }

    void buildZoomPage()
    {
        zoomPage_ = new QWidget;
        zoomPage_->setObjectName(QStringLiteral("zoomPage"));
        auto* layout = new QVBoxLayout(zoomPage_);
        zoomBox_ = new QLabel(zoomPage_);
        zoomBox_->setObjectName(QStringLiteral("imgZoom"));
        zoomBox_->setMinimumSize(400, 440);
        zoomBox_->setAlignment(Qt::AlignCenter);
        layout->addWidget(zoomBox_, 1);
        auto* row = new QHBoxLayout;
        for (int n = 1; n <= CustomerPictureCount; ++n) {
            QPushButton* b = makeButton(zoomPage_, QStringLiteral("btnZoom%1").arg(n).toLatin1().constData(),
                                        QString::number(n));
            b->setMaximumWidth(40);
            connect(b, &QPushButton::clicked, this, [this, n] { showZoom(n); });
            row->addWidget(b);
        }
        row->addStretch();
        QPushButton* back = makeButton(zoomPage_, "btnZoomBack", QStringLiteral("กลับ"));
        connect(back, &QPushButton::clicked, this, [this] { s_.closePage(); });
        row->addWidget(back);
        layout->addLayout(row);
        s_.addPage(zoomPage_);
    }

    void showPictures(const QString& customerNo)
    {
        for (int n = 1; n <= CustomerPictureCount; ++n) {
            const LoadedPicture p = LoadCustomerPicture(folder(), customerNo, n);
            boxes_[n - 1]->setPixmap(fitted(p.image, boxes_[n - 1]->size()));
            names_[n - 1]->setText(customerNo.isEmpty() ? QString() : PictureFileName(customerNo, n));
        }
    }

    void openPicker(int n)
    {
        if (s_.mode() == QLatin1String("normal") || s_.openedPage()) return;
        slot_ = n;
        if (lastFolder_.isEmpty()) lastFolder_ = shared().DataFolder;
        picker_->setFolder(lastFolder_);
        s_.openPage(picker_);
    }

    // Copies the chosen file over the slot's picture at once, under the
    // number typed now; Cancel of the record does not undo it.
    void usePicture()
    {
        const QString file = picker_->chosenFile();
        s_.closePage();
        if (file.isEmpty()) return;
        lastFolder_ = QFileInfo(file).absolutePath();
        const QString customerNo = s_.value(No).toString();
        if (customerNo.isEmpty()) {
            messages().information(NoCodeText());
            s_.field(No)->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!IsPictureNumber(customerNo)) {
            messages().information(QStringLiteral("รหัสลูกค้านี้ใช้ตั้งชื่อแฟ้มรูปไม่ได้ (มีเครื่องหมาย / \\ หรือ :)"));
            return;
        }
        QString error;
        if (!StoreCustomerPicture(folder(), customerNo, slot_, file, &error)) {
            messages().error(QStringLiteral("ไม่สามารถบันทึกรูปได้ ") + error);
            return;
        }
        QImage image(PicturePath(folder(), customerNo, slot_));
        boxes_[slot_ - 1]->setPixmap(fitted(image, boxes_[slot_ - 1]->size()));
        names_[slot_ - 1]->setText(PictureFileName(customerNo, slot_));
    }

    void openZoom(int n)
    {
        s_.openPage(zoomPage_);
        showZoom(n);
    }

    void showZoom(int n)
    {
        zoomed_ = n;
        const LoadedPicture p = LoadCustomerPicture(folder(), s_.value(No).toString(), n);
        zoomBox_->setPixmap(fitted(p.image, zoomBox_->size().expandedTo(zoomBox_->minimumSize())));
        zoomBox_->setProperty("picture", n);
    }

    void printCard()
    {
        if (s_.currentRow() < 0) return;
        const SharedState& st = shared();
        const std::optional<MemberCard> card = MemberCardDocument(cardType_, s_.currentRecord(), st.Business, folder());
        if (!card) return; // a card type other than "0" to "3" prints nothing
        if (card->photoUsed && !card->photoFound) names_[0]->setText(PhotoNotFoundText());
        showPrintPreview(card->document, &s_);
    }

    RegistryScreen& s_;
    QLabel* boxes_[CustomerPictureCount] = {};
    QLabel* names_[CustomerPictureCount] = {};
    PicturePicker* picker_ = nullptr;
    QWidget* zoomPage_ = nullptr;
    QLabel* zoomBox_ = nullptr;
    int slot_ = 1;
    int zoomed_ = 1;
    QString lastFolder_;
    QString cardType_;
};

CustomerExtras* extras(RegistryScreen& s)
{
    return static_cast<CustomerExtras*>(s.findChild<QObject*>(QStringLiteral("customerExtras"), Qt::FindDirectChildrenOnly));
}

// The overall discount: hidden, saved as it was read (0 for a new customer,
// nothing stays nothing).
RegistryField hiddenDiscount()
{
    return {.column = QStringLiteral("CUST_DISC"), .label = QStringLiteral("ส่วนลดรวม %"),
            .kind = RegistryField::Kind::Custom, .hidden = true, .addValue = QStringLiteral("0"),
            .create = [](QWidget* parent) -> QWidget* { return new QLineEdit(parent); },
            .get = [](QWidget* w) -> QVariant {
                const QString t = static_cast<QLineEdit*>(w)->text();
                bool ok = false;
                const double d = t.toDouble(&ok);
                return ok ? QVariant(d) : QVariant();
            },
            .set = [](QWidget* w, const QVariant& v) {
                static_cast<QLineEdit*>(w)->setText(v.isNull() ? QString() : QString::number(v.toDouble(), 'g', 15));
            }};
}

} // namespace

QString CustomerAgeText(const QString& birthText, const QDate& today)
{
    QString digits = birthText;
    digits.remove(QLatin1Char(' ')).remove(QLatin1Char('/'));
    if (digits.isEmpty()) return {};
    return QStringLiteral("อายุ ") + AgeYearsMonths(today, TextToDate(birthText));
}

QString ThaiIdWarningText()
{
    return QStringLiteral("เลขบัตรประชาชน 13 หลัก ไม่ตรงกับเลขตรวจสอบหลักสุดท้าย โปรดตรวจสอบอีกครั้ง");
}

QString PhotoNotFoundText() { return QStringLiteral("ไม่พบรูป ..."); }

RegistryConfig CustomersRegistry()
{
    RegistryConfig c = CodeRegistry(QStringLiteral("customer"), No, QStringLiteral("CUST_NAME"),
                                    QStringLiteral("รหัสลูกค้า"), QStringLiteral("ชื่อลูกค้า"));
    c.objectName = QStringLiteral("TRef_Cust_Sql");
    c.title = QStringLiteral(" ทะเบียนผู้ป่วย / ลูกค้า");
    c.placeTopLeft = true;
    auto line = [](const char* column, const char* label, int limit) {
        return RegistryField{.column = QString::fromLatin1(column), .label = QString::fromUtf8(label), .maxLength = limit};
    };
    c.fields = {
        RegistryField{.column = No, .label = QStringLiteral("รหัสลูกค้า/คนไข้"), .maxLength = 10,
                      .hint = QStringLiteral("( ไม่เกิน 10 หลัก )")},
        line("CUST_NAME", "ชื่อลูกค้า/คนไข้", 80),
        line("CUST_CARD", "เลขบัตรประชาชน", 13),
        line("CUST_SEX", "เพศ", 10),
        RegistryField{.column = QStringLiteral("CUST_BIRTH"), .label = QStringLiteral("ว.ด.ป.เกิด"), .maxLength = 10,
                      .toolTip = QStringLiteral("รูปแบบ พ.ศ. เช่น 31/01/2545"), .noteBelow = true},
        line("CUST_ADD1", "ที่อยู่", 80),
        line("CUST_ADD2", "", 80),
        line("CUST_ADD4", "จังหวัด", 80),
        line("CUST_ZIP", "รหัสไปรษณีย์", 5),
        line("CUST_TEL", "โทร.", 25),
        line("CUST_FAX", "FAX", 25),
        line("CUST_BLOOD", "หมู่โลหิต", 15),
        RegistryField{.column = QStringLiteral("CUST_WGHT"), .label = QStringLiteral("น้ำหนัก"), .maxLength = 7,
                      .addValue = QStringLiteral("0")},
        RegistryField{.column = QStringLiteral("CUST_TALL"), .label = QStringLiteral("ส่วนสูง"), .maxLength = 7,
                      .addValue = QStringLiteral("0")},
        line("CUST_HPS", "การแพ้ยา", 100),
        CreditTermField(),
        hiddenDiscount(),
        RegistryField{.column = QStringLiteral("CUST_GROUP"), .label = QStringLiteral("เกรด"), .maxLength = 1,
                      .hint = QStringLiteral("( 1 หลัก )")},
    };
    // Up to 100,000 patients: the keys in number order, the rows a window at a time.
    c.listKeysSql = QStringLiteral("select cust_no from customer order by cust_no");
    c.listRowsSql = QStringLiteral("select * from customer where cust_no between :pfirst and :plast order by cust_no");
    c.search[1].sql = QStringLiteral("select cust_no from customer where substr(cust_name, 1, length(:ptext)) = :ptext"
                                     " order by cust_no limit 1");
    c.duplicateSql = QStringLiteral(" Select cust_no from customer  where cust_no =:m_cust_no ");
    c.duplicateText = QStringLiteral("ข้อมูลซ้ำ...");
    c.insertSql = QStringLiteral(
        " insert into customer (cust_no, cust_name, cust_birth, cust_card, cust_sex, cust_blood, cust_wght, cust_tall,"
        " cust_hps, cust_add1, cust_add2, cust_add4, cust_zip, cust_tel, cust_fax, cust_cre, cust_disc, cust_group)"
        " values (:pcust_no, :pcust_name, :pcust_birth, :pcust_card, :pcust_sex, :pcust_blood, :pcust_wght,"
        " :pcust_tall, :pcust_hps, :pcust_add1, :pcust_add2, :pcust_add4, :pcust_zip, :pcust_tel, :pcust_fax,"
        " :pcust_cre, :pcust_disc, :pcust_group)");
    c.updateSql = QStringLiteral(
        " update customer  set  cust_no=:pcust_no, cust_name=:pcust_name, cust_birth=:pcust_birth,"
        " cust_card=:pcust_card, cust_sex=:pcust_sex, cust_blood=:pcust_blood, cust_wght=:pcust_wght,"
        " cust_tall=:pcust_tall, cust_hps=:pcust_hps, cust_add1=:pcust_add1, cust_add2=:pcust_add2,"
        " cust_add4=:pcust_add4, cust_zip=:pcust_zip, cust_tel=:pcust_tel, cust_fax=:pcust_fax,"
        " cust_cre=:pcust_cre, cust_disc=:pcust_disc, cust_group=:pcust_group  where cust_no =:pocust_no ");
    c.deleteSql = QStringLiteral(" delete from Customer  where cust_no =:pcust_no ");
    c.atOpen = RegistryRow::Last;
    c.afterAdd = RegistryRow::Key;
    c.afterEdit = RegistryRow::Remembered;
    c.enterChains = {{No, QStringLiteral("CUST_NAME"), QStringLiteral("CUST_CARD"), QStringLiteral("CUST_SEX"),
                      QStringLiteral("CUST_BIRTH"), QStringLiteral("CUST_ADD1"), QStringLiteral("CUST_ADD2"),
                      QStringLiteral("CUST_ADD4"), QStringLiteral("CUST_ZIP"), QStringLiteral("CUST_TEL"),
                      QStringLiteral("CUST_FAX"), QStringLiteral("CUST_BLOOD"), QStringLiteral("CUST_WGHT"),
                      QStringLiteral("CUST_TALL"), QStringLiteral("CUST_HPS"), QStringLiteral("CUST_CRE"),
                      QStringLiteral("CUST_GROUP"), No}};

    c.setup = [](RegistryScreen& s) {
        auto* x = new CustomerExtras(s);
        // Choosing a credit term with the mouse moves on to the grade.
        auto* credit = qobject_cast<QComboBox*>(s.field(QStringLiteral("CUST_CRE")));
        QObject::connect(credit, &QComboBox::activated, &s,
                         [&s] { s.field(QStringLiteral("CUST_GROUP"))->setFocus(Qt::OtherFocusReason); });
        auto* birth = qobject_cast<QLineEdit*>(s.field(QStringLiteral("CUST_BIRTH")));
        QObject::connect(birth, &QLineEdit::editingFinished, x, [x] { x->updateAge(); });
    };
    c.onFirstShow = [](RegistryScreen& s) { extras(s)->readCardType(); };
    c.onRowShown = [](RegistryScreen& s) { extras(s)->showRow(); };
    c.onAdd = [](RegistryScreen& s) {
        s.setValue(QStringLiteral("CUST_BIRTH"), TodayText());
        extras(s)->showRow();
    };
    c.onKeyChanged = [](RegistryScreen&, const QVariant& former, const QVariant& now) {
        MoveCustomerPictures(PictureFolder(shared().DataFolder), former.toString(), now.toString());
    };
    // A national ID number of 13 digits whose check digit is wrong is told; it is saved all the same.
    c.check = [](RegistryScreen& s) {
        const QString id = s.value(QStringLiteral("CUST_CARD")).toString();
        if (IsThirteenDigits(id) && !IsValidThaiId(id)) messages().information(ThaiIdWarningText());
        return true;
    };
    return c;
}

// --- the picture page -----------------------------------------------------

PicturePicker::PicturePicker(QWidget* parent) : QWidget(parent)
{
    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QString());
    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::Files);
    files_->setNameFilters({QStringLiteral("*.jpg")});
    files_->setNameFilterDisables(false);

    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("pictureFolders"));
    tree_->setModel(folders_);
    for (int c = 1; c < folders_->columnCount(); ++c) tree_->hideColumn(c);
    tree_->setHeaderHidden(true);
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("pictureFiles"));
    list_->setModel(files_);
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("imgPreview"));
    preview_->setMinimumSize(260, 280);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setFrameShape(QFrame::Box);

    auto* split = new QSplitter(this);
    split->addWidget(tree_);
    split->addWidget(list_);
    split->addWidget(preview_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* cancel = makeButton(this, "btnPictureCancel", QStringLiteral("กลับ/ยกเลิก"));
    QPushButton* use = makeButton(this, "btnPictureUse", QStringLiteral("กลับ/ใช้รูปนี้"));
    row->addWidget(cancel);
    row->addWidget(use);
    layout->addLayout(row);

    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) { setFolder(folders_->filePath(i)); });
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) { choose(files_->filePath(i)); });
    connect(cancel, &QPushButton::clicked, this, &PicturePicker::cancelled);
    connect(use, &QPushButton::clicked, this, &PicturePicker::used);
}

void PicturePicker::setFolder(const QString& folder)
{
    list_->setRootIndex(files_->setRootPath(folder));
    const QModelIndex dir = folders_->index(folder);
    if (dir.isValid() && tree_->currentIndex() != dir) {
        tree_->setCurrentIndex(dir);
        tree_->scrollTo(dir);
    }
    choose(QString());
}

void PicturePicker::selectFile(const QString& file)
{
    const QFileInfo info(file);
    if (files_->rootPath() != info.absolutePath()) setFolder(info.absolutePath());
    const QModelIndex i = files_->index(info.absoluteFilePath());
    if (i.isValid()) list_->setCurrentIndex(i);
    choose(info.absoluteFilePath());
}

void PicturePicker::choose(const QString& file)
{
    chosen_ = QFileInfo(file).isFile() ? file : QString();
    const QImage image(chosen_);
    preview_->setPixmap(image.isNull() ? QPixmap() : fitted(image, preview_->size()));
}

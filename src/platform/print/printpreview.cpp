#include "platform/print/printpreview.h"

#include "platform/print/renderer.h"
#include "platform/ui/messageservice.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace {

PrintPreviewCapture* activeCapture = nullptr;

constexpr double ZoomStep = 1.25;
constexpr double MinZoom = 0.1;
constexpr double MaxZoom = 8.0;

QPushButton* button(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(objectName));
    b->setAutoDefault(false);
    return b;
}

} // namespace

PrintPreview::PrintPreview(const PageDocument& document, QWidget* parent) : QDialog(parent), document_(document)
{
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(document_.title.isEmpty() ? QStringLiteral("ตัวอย่างก่อนพิมพ์") : document_.title);
    setSizeGripEnabled(true);
    resize(900, 700);

    first_ = button(this, "firstPageButton", QStringLiteral("หน้าแรก"));
    previous_ = button(this, "previousPageButton", QStringLiteral("ก่อนหน้า"));
    next_ = button(this, "nextPageButton", QStringLiteral("ถัดไป"));
    last_ = button(this, "lastPageButton", QStringLiteral("หน้าสุดท้าย"));
    auto* zoomIn = button(this, "zoomInButton", QStringLiteral("ขยาย"));
    auto* zoomOut = button(this, "zoomOutButton", QStringLiteral("ย่อ"));
    auto* fitWidthButton = button(this, "fitWidthButton", QStringLiteral("พอดีความกว้าง"));
    auto* fitPageButton = button(this, "fitPageButton", QStringLiteral("ทั้งหน้า"));
    auto* printButton = button(this, "printButton", QStringLiteral("พิมพ์"));
    auto* pdfButton = button(this, "savePdfButton", QStringLiteral("บันทึก PDF"));
    auto* closeButton = button(this, "closeButton", QStringLiteral("ปิด"));
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("pageLabel"));

    previous_->setShortcut(QKeySequence(Qt::Key_PageUp));
    next_->setShortcut(QKeySequence(Qt::Key_PageDown));

    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{first_, previous_, pageLabel_, next_, last_, zoomOut, zoomIn,
                                                       fitWidthButton, fitPageButton})
        bar->addWidget(w);
    bar->addStretch(1);
    bar->addWidget(printButton);
    bar->addWidget(pdfButton);
    bar->addWidget(closeButton);

    pageView_ = new QLabel;
    pageView_->setObjectName(QStringLiteral("pageView"));
    pageView_->setAlignment(Qt::AlignCenter);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("pageScroll"));
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setWidget(pageView_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);

    connect(first_, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(previous_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { showPage(document_.pageCount() - 1); });
    connect(zoomIn, &QPushButton::clicked, this, [this] { setZoom(zoom_ * ZoomStep); });
    connect(zoomOut, &QPushButton::clicked, this, [this] { setZoom(zoom_ / ZoomStep); });
    connect(fitWidthButton, &QPushButton::clicked, this, &PrintPreview::fitWidth);
    connect(fitPageButton, &QPushButton::clicked, this, &PrintPreview::fitPage);
    connect(printButton, &QPushButton::clicked, this, &PrintPreview::print);
    connect(pdfButton, &QPushButton::clicked, this, &PrintPreview::choosePdfFile);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    fitWidth();
}

void PrintPreview::showPage(int index)
{
    const int count = document_.pageCount();
    page_ = std::clamp(index, 0, std::max(0, count - 1));
    refresh();
}

void PrintPreview::setZoom(double zoom)
{
    fit_ = Fit::None;
    zoom_ = std::clamp(zoom, MinZoom, MaxZoom);
    refresh();
}

void PrintPreview::fitWidth()
{
    const QSizeF mm = document_.paperSizeMm();
    const double screenPxPerMm = logicalDpiX() / 25.4;
    const int available = scroll_->viewport()->width() - scroll_->verticalScrollBar()->sizeHint().width() - 8;
    zoom_ = std::clamp(available / (mm.width() * screenPxPerMm), MinZoom, MaxZoom);
    fit_ = Fit::Width;
    refresh();
}

void PrintPreview::fitPage()
{
    const QSizeF mm = document_.paperSizeMm();
    const double screenPxPerMm = logicalDpiX() / 25.4;
    const QSize available = scroll_->viewport()->size() - QSize(8, 8);
    zoom_ = std::clamp(std::min(available.width() / (mm.width() * screenPxPerMm),
                                available.height() / (mm.height() * screenPxPerMm)),
                       MinZoom, MaxZoom);
    fit_ = Fit::Page;
    refresh();
}

void PrintPreview::refresh()
{
    const int count = document_.pageCount();
    pageLabel_->setText(QStringLiteral("หน้า %1 จาก %2").arg(count ? page_ + 1 : 0).arg(count));
    first_->setEnabled(page_ > 0);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < count);
    last_->setEnabled(page_ + 1 < count);
    if (count == 0) {
        pageView_->clear();
        return;
    }
    const double ratio = devicePixelRatioF();
    QImage image = renderPageImage(document_, page_, logicalDpiX() * zoom_ * ratio);
    image.setDevicePixelRatio(ratio);
    pageView_->setPixmap(QPixmap::fromImage(image));
    pageView_->resize(pageView_->sizeHint());
}

void PrintPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (fit_ == Fit::Width)
        fitWidth();
    else if (fit_ == Fit::Page)
        fitPage();
}

bool PrintPreview::savePdf(const QString& file, QString* error)
{
    return writePdf(document_, file, error);
}

void PrintPreview::choosePdfFile()
{
    QString name = document_.title.trimmed();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("report");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString file = QFileDialog::getSaveFileName(this, QStringLiteral("บันทึก PDF"),
                                                QDir(folder).filePath(name + QStringLiteral(".pdf")),
                                                QStringLiteral("PDF (*.pdf)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    QString error;
    if (!savePdf(file, &error))
        messages().error(error);
}

void PrintPreview::print()
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(document_, printer);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, std::max(1, document_.pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!printDocument(document_, printer, &error))
        messages().error(error);
}

PrintPreview* showPrintPreview(const PageDocument& document, QWidget* parent)
{
    if (activeCapture) {
        activeCapture->documents_.append(document);
        return nullptr;
    }
    auto* preview = new PrintPreview(document, parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->show();
    return preview;
}

PrintPreviewCapture::PrintPreviewCapture() : previous_(activeCapture)
{
    activeCapture = this;
}

PrintPreviewCapture::~PrintPreviewCapture()
{
    activeCapture = previous_;
}

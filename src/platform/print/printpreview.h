#pragma once
// The print preview every print command opens: the pages of a document,
// page and zoom commands, "พิมพ์" (the print dialog, then the printer),
// "บันทึก PDF" (a file dialog, then the PDF) and "ปิด". Closing writes
// nothing and frees the preview.

#include "platform/print/pagemodel.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QScrollArea;

class PrintPreview : public QDialog {
    Q_OBJECT
public:
    explicit PrintPreview(const PageDocument& document, QWidget* parent = nullptr);

    const PageDocument& document() const { return document_; }
    int currentPage() const { return page_; }  // 0-based
    double zoom() const { return zoom_; }      // 1.0 = the paper's real size on screen

    void showPage(int index);
    void setZoom(double zoom);
    void fitWidth();
    void fitPage();
    // Writes the PDF; the "บันทึก PDF" button calls it with the chosen file.
    bool savePdf(const QString& file, QString* error = nullptr);

private:
    void choosePdfFile();
    void print();
    void refresh();
    void resizeEvent(QResizeEvent* event) override;

    PageDocument document_;
    int page_ = 0;
    double zoom_ = 1.0;
    enum class Fit { None, Width, Page } fit_ = Fit::Width;
    QScrollArea* scroll_ = nullptr;
    QLabel* pageView_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QPushButton* first_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* last_ = nullptr;
};

// Opens a preview of document, not modal, freed when closed. While a
// PrintPreviewCapture exists the document is recorded instead and nullptr
// is returned.
PrintPreview* showPrintPreview(const PageDocument& document, QWidget* parent = nullptr);

// Tests: records the documents print commands would preview.
class PrintPreviewCapture {
public:
    PrintPreviewCapture();
    ~PrintPreviewCapture();
    PrintPreviewCapture(const PrintPreviewCapture&) = delete;
    PrintPreviewCapture& operator=(const PrintPreviewCapture&) = delete;

    const QList<PageDocument>& documents() const { return documents_; }

private:
    friend PrintPreview* showPrintPreview(const PageDocument&, QWidget*);
    QList<PageDocument> documents_;
    PrintPreviewCapture* previous_ = nullptr;
};

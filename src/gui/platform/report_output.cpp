// SPDX-License-Identifier: MIT
#include "gui/platform/report_output.hpp"

#include "core/files/output_target.hpp"
#include "core/text/program_texts.hpp"
#include "gui/platform/qt_paint_surface.hpp"

#include <QFile>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

namespace rheo {
namespace {

constexpr int kPdfDotsPerInch = 600;

QtMessageHandler previousHandler = nullptr;

// Qt's note that a headless session has no runtime directory says nothing to the person
// running a command; it would only clutter the messages on standard error.
void quietHeadlessHandler(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
}

// The PDF needs fonts, hence a GUI application. A command-line caller has none: make one on
// the offscreen platform and keep it for the rest of the process.
bool ensureGuiApplication(std::string& error) {
    if (QCoreApplication::instance() == nullptr) {
        previousHandler = qInstallMessageHandler(quietHeadlessHandler);
        static int argc = 3;
        static char name[] = "rheo";
        static char option[] = "-platform";
        static char platform[] = "offscreen";
        static char* argv[] = {name, option, platform, nullptr};
        new QGuiApplication(argc, argv);
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        error = window_texts::kPdfNeedsApplication;
        return false;
    }
    return true;
}

std::string text(const QString& message) {
    return message.toLocal8Bit().toStdString();
}

} // namespace

bool writeReportPdf(const std::string& path, const ReportDrawing& draw, std::string& error) {
    error.clear();
    // The refusals of every save of the program: a device, a pipe or a directory is never
    // turned into a file, and a file this user may not write is not replaced.
    if (const auto refusal = outputTargetRefusal(path)) {
        error = window_texts::kCannotWritePdf + path + ": " + *refusal + ".";
        return false;
    }
    if (!ensureGuiApplication(error))
        return false;
    // The PDF is written beside its target and takes its place only when complete.
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::WriteOnly)) {
        error = window_texts::kCannotCreatePdf + path + ": " + text(file.errorString());
        return false;
    }
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDotsPerInch);
        writer.setCreator("Tribon Viscometer V2.0");
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
        QtPaintSurface surface(writer, [&writer](const QString& name) { writer.setTitle(name); });
        draw(surface);
        drawn = surface.finish();
    }
    if (!drawn) {
        file.cancelWriting();
        error = window_texts::kCannotWritePdf + path + window_texts::kReportNotDrawn;
        return false;
    }
    if (!file.commit()) {
        error = window_texts::kCannotWritePdf + path + ": " + text(file.errorString());
        return false;
    }
    return true;
}

bool printReport(const ReportDrawing& draw, std::string& error, QWidget* parent) {
    error.clear();
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QtPaintSurface surface(printer, [&printer](const QString& name) { printer.setDocName(name); });
    draw(surface);
    if (!surface.finish()) {
        error = window_texts::kReportNotPrinted + text(printer.printerName()) + ".";
        return false;
    }
    return true;
}

void previewReport(const ReportDrawing& draw, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw](QPrinter* target) {
                         QtPaintSurface surface(
                             *target, [target](const QString& name) { target->setDocName(name); });
                         draw(surface);
                         surface.finish();
                     });
    dialog.exec();
}

} // namespace rheo

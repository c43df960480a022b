#include "html/widgets/filepicking.h"

#include "html/projectfiles.h"
#include "html/widgets/htmlhost.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace FilePicking {

QString imageFilter()
{
    return QStringLiteral("GIF (*.gif);;JPEG (*.jpg *.jpeg);;PNG (*.png)");
}

QString randomImageFilter()
{
    return QStringLiteral("GIF (*.gif);;Jpeg (*.jpg *.jpeg);;PNG (*.png)");
}

std::optional<QString> chooseFile(QWidget* parent, const QString& title, const QString& filter)
{
    // Qt's own dialog matches the filter's extensions in any letter case.
    QFileDialog dialog(parent, title);
    dialog.setObjectName(QStringLiteral("filePickingDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

QString noCatalogWarning()
{
    return QStringLiteral("A project catalog is not defined so the link for this image will point to an image on "
                          "you local machine!!");
}

void warnNoCatalog(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("WARNING!"), text, QMessageBox::Ok);
}

std::optional<QString> placeInFolder(QWidget* parent, const QString& source, const QString& folder)
{
    const Result<ProjectFiles::Placement> placed =
        ProjectFiles::placeFile(source, folder, [parent](const QString& target) {
            const auto answer = QMessageBox::question(
                parent, QStringLiteral("Question"),
                QStringLiteral("The project already has a file named \"%1\".\n\nYes replaces it with the file you "
                               "picked, No keeps it and uses it, Cancel leaves the field as it was.")
                    .arg(target),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
            return answer == QMessageBox::Yes  ? ProjectFiles::Existing::Replace
                   : answer == QMessageBox::No ? ProjectFiles::Existing::Keep
                                               : ProjectFiles::Existing::Cancel;
        });
    if (!placed) {
        QMessageBox::critical(parent, QApplication::applicationName(), placed.error());
        return std::nullopt;
    }
    if (placed.value().cancelled)
        return std::nullopt;
    return placed.value().name;
}

std::optional<QString> pickImage(QWidget* parent, HtmlHost* host, const QString& filter, const QString& warning)
{
    const auto source = chooseFile(parent, QString(), filter);
    if (!source)
        return std::nullopt;
    if (host->projectCatalog().isEmpty()) {
        warnNoCatalog(parent, warning);
        return source;
    }
    return placeInFolder(parent, *source, ProjectFiles::imagesFolderPath(host->projectCatalog(), host->imagesFolder()));
}

std::optional<QString> pickPage(QWidget* parent, HtmlHost* host, const QString& filter)
{
    const auto source = chooseFile(parent, QString(), filter);
    if (!source)
        return std::nullopt;
    if (host->projectCatalog().isEmpty()) {
        warnNoCatalog(parent);
        return source;
    }
    return placeInFolder(parent, *source, host->projectCatalog());
}

} // namespace FilePicking

#pragma once

#include <QString>

#include <optional>

class HtmlHost;
class QWidget;

// Picking a file for a wizard field with a file dialog, and bringing it
// into the web project.
namespace FilePicking {

// The picture filter of the image pickers, extensions in any letter case.
QString imageFilter();
// The random-image wizard's own wording of it.
QString randomImageFilter();

// A file chosen in an open dialog; none when cancelled.
std::optional<QString> chooseFile(QWidget* parent, const QString& title, const QString& filter);

// The warning shown when a file is used from where it lies because the
// project has no catalog.
QString noCatalogWarning();
void warnNoCatalog(QWidget* parent, const QString& text = noCatalogWarning());

// Brings a chosen file into folder: copies it (asking before it replaces a
// file of that name) and returns the name the field takes; none when the
// user cancelled or the copy failed (the failure was shown).
std::optional<QString> placeInFolder(QWidget* parent, const QString& source, const QString& folder);

// The image pickers: with a project catalog the picture goes into its
// images folder and the field takes the bare name; without one the field
// takes the full path and the warning is shown. None leaves the field.
std::optional<QString> pickImage(QWidget* parent, HtmlHost* host, const QString& filter = imageFilter(),
                                 const QString& warning = noCatalogWarning());
// A page for a link: with a catalog it is copied into the catalog folder.
std::optional<QString> pickPage(QWidget* parent, HtmlHost* host, const QString& filter);

} // namespace FilePicking

#ifndef BRIMLOW_RESOURCEPICTURE_H
#define BRIMLOW_RESOURCEPICTURE_H

// Pictures embedded in the program: custom resources by number and type
// (101 the logo, 102 the flask, type "Custom") and the window icon by name
// ("FLASKICON"). Types and names match without regard to case. Pictures are read
// straight from memory; a missing resource gives a null picture and no
// message, so the window's load simply goes on without it.

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>
#include <optional>

inline constexpr int logoResourceId = 101;
inline constexpr int flaskResourceId = 102;

// The bytes of a resource by number or by name, or nothing when there is none.
std::optional<QByteArray> resourceData(int id, const QString &resourceType);
std::optional<QByteArray> resourceData(const QString &name, const QString &resourceType);

// The picture in a custom resource (format taken from its content), or a null
// image when the resource is missing or is no picture.
QImage loadResourcePicture(int id, const QString &resourceType);

// The icon resource of that name, or a null icon. Needs a QGuiApplication.
QIcon loadResourceIcon(const QString &name);

#endif

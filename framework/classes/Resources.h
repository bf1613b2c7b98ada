#pragma once
// Resources compiled into the program (form descriptions, string tables, pictures), named by
// their resource path (":/forms/MainForm.vqf").

#include <QByteArray>
#include <QString>

// Whether the program holds a resource of that name.
bool ResourceExists(const QString& name);
// The bytes of a resource; EReadError "Resource <name> not found" when there is none.
QByteArray ReadResource(const QString& name);

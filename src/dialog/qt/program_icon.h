#pragma once
// The program icon: a matrix between brackets with its diagonal picked out,
// drawn at every size the desktop asks for.

#include <QIcon>

namespace corvane {

QIcon programIcon();

}  // namespace corvane

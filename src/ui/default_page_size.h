// The paper a design document is laid out on when the user names none: the default printer's.
#pragma once

#include <QPageSize>

// The paper of the default printer; without one, the locale's: US Letter where the locale measures in
// US units, A4 elsewhere.
QPageSize DefaultPageSize();

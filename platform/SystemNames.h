#pragma once

#include <QString>

// The computer's name and the login name of the user; empty when the system does not tell.
QString ComputerName();
QString LoginName();

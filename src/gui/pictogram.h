#pragma once
// The program's own icon: a corner of a Go board with a black and a white stone.

#include <QIcon>

QIcon MorvelPictogram();

#pragma once

#include "testapplication.h"

#include <functional>
#include <vector>

// One state of the program worth a picture: prepare() drives a fresh program there and
// returns the window to render.
struct Scene {
    QString name;
    std::function<QWidget*(TestApplication&)> prepare;
};

const std::vector<Scene>& scenes();

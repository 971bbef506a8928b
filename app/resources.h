#pragma once

// Makes the pictures and fonts embedded in the static UI library available. Safe to call more
// than once.
void initResources();

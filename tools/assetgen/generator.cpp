#include "generator.h"

namespace {
std::vector<Generator*>& registry() {
    static std::vector<Generator*> generators;
    return generators;
}
} // namespace

Generator::Generator(const char* name, Draw draw, Run run)
    : m_name(name)
    , m_draw(std::move(draw))
    , m_runs(run) {
    registry().push_back(this);
}

const std::vector<Generator*>& Generator::all() {
    return registry();
}

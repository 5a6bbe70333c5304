#include "shell/ui/game_launch.h"

#include "shell/ui/statistics_form.h"

namespace quintaro {

WindowRegistry& Windows() {
    static WindowRegistry registry = [] {
        WindowRegistry r;
        r.statistics = [](TVantaSession& session, SessionView&, QWidget* parent) -> QDialog* {
            return new TTableBuilderForm(&session, parent);
        };
        return r;
    }();
    return registry;
}

} // namespace quintaro

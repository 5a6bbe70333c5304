#include "shell/ui/game_launch.h"

#include "shell/ui/statistics_form.h"

namespace quintaro {

WindowRegistry& Windows() {
    static WindowRegistry registry = [] {
        WindowRegistry r;
        r.statistics = [](TVantaSession& session, SessionView& view, QWidget* parent) -> QDialog* {
            auto* form = new TTableBuilderForm(&session, parent);
            TVantaSession* s = &session;
            SessionView* v = &view;
            form->SetProgressOpener([s, v, form] {
                if (Windows().trainingProgress) Windows().trainingProgress(*s, *v, form);
            });
            return form;
        };
        return r;
    }();
    return registry;
}

} // namespace quintaro

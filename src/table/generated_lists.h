#pragma once
// The strategy lists of named pay tables, generated on a worker thread the
// first time a table is asked about and kept for the run, keyed by game and
// pays. The table plays with exact values meanwhile: nothing waits for a list.

#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "core/pay_table.h"

namespace quintaro {
struct GeneratedList;
}

namespace quintaro {

class GeneratedLists {
public:
    using List = std::shared_ptr<const GeneratedList>;
    // The list when it is ready, else null; the first call starts its making.
    List Find(int game, const PaySchedule& pays);
    // The list, waiting for it (a worker thread, the command line).
    List Get(int game, const PaySchedule& pays);
    // Waits for every list still being made. The program calls it before it
    // ends, so that no worker is still generating while the statics it uses
    // are torn down.
    void Finish();

private:
    using Key = std::pair<int, std::string>;
    std::shared_future<List> Start(int game, const PaySchedule& pays);

    std::mutex mutex_;
    std::map<Key, std::shared_future<List>> lists_;
};

// The program's lists.
GeneratedLists& TheGeneratedLists();

} // namespace quintaro

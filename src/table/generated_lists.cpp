#include "table/generated_lists.h"

#include <chrono>

#include "generate/generated_list.h"

namespace quintaro {

std::shared_future<GeneratedLists::List> GeneratedLists::Start(int game, const PaySchedule& pays) {
    const Key key{game, FiveCoinPaysText(game, pays.belowFive) + "/" +
                            FiveCoinPaysText(game, pays.atFive)};
    std::lock_guard lock(mutex_);
    auto it = lists_.find(key);
    if (it == lists_.end()) {
        auto made = std::async(std::launch::async, [game, pays] {
            return List(std::make_shared<const GeneratedList>(GenerateStrategyList(game, pays, 1)));
        });
        it = lists_.emplace(key, made.share()).first;
    }
    return it->second;
}

GeneratedLists::List GeneratedLists::Find(int game, const PaySchedule& pays) {
    const auto list = Start(game, pays);
    if (list.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return nullptr;
    return list.get();
}

GeneratedLists::List GeneratedLists::Get(int game, const PaySchedule& pays) {
    return Start(game, pays).get();
}

void GeneratedLists::Finish() {
    std::map<Key, std::shared_future<List>> started;
    {
        std::lock_guard lock(mutex_);
        started = lists_;
    }
    for (const auto& [key, list] : started) list.wait();
}

GeneratedLists& TheGeneratedLists() {
    static GeneratedLists lists;
    return lists;
}

} // namespace quintaro

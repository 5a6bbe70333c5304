#include "shell/session.h"

#include <algorithm>
#include <limits>

namespace quintaro {
namespace {

// Money value of one credit in cents, by credit value.
constexpr std::array<std::int64_t, 3> kCentsPerCredit{5, 25, 100};

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool ValidCreditValue(std::int32_t v) {
    return v >= kNickel && v <= kDollar;
}
bool ValidBarState(std::int32_t s) {
    return s >= 0 && s < kBarStates;
}

} // namespace

std::string OverflowNoticeText(std::int64_t cashedOut) {
    return FormatThousands(cashedOut) + " credits are\nbeing cashed out!";
}

SessionConfig SessionConfig::Default() {
    return {DefaultSettingsPath(), DefaultSchemeRoots(),
            UserDataDirectory() / kTrainingRecordFileName};
}

void BillsTotal::Add(std::int32_t dollars) {
    if (dollars <= 0) return;
    total_ = static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{total_} + dollars, kMaxBills));
}

std::string BillsTotal::Text() const {
    return "$ " + FormatThousands(total_) + ".00";
}

std::string FormatCreditMoney(std::int64_t credits, std::int32_t creditValue) {
    if (!ValidCreditValue(creditValue)) creditValue = kQuarter;
    const std::int64_t cents = credits * kCentsPerCredit[static_cast<std::size_t>(creditValue)];
    const std::int64_t whole = cents / 100;
    const std::int64_t part = (cents < 0 ? -cents : cents) % 100;
    std::string text = (cents < 0 && whole == 0) ? "-" : "";
    text += "$" + FormatThousands(whole) + "." + (part < 10 ? "0" : "") + std::to_string(part);
    return text;
}

std::unique_ptr<TrainingRecord> OpenTrainingRecord(const std::filesystem::path& file,
                                                   SessionDialogs* dialogs) {
    return std::make_unique<TrainingRecord>(file, [dialogs](const std::string& text) {
        if (dialogs) dialogs->ShowNotice(kNoticeCaption, text);
    });
}

TVantaSession::TVantaSession(SessionConfig config, SessionServices services, TrainingRecord* record)
    : config_(std::move(config)), services_(services), settings_(config_.settingsFile),
      record_(record ? *record : noRecord_) {
    LoadSettings();
    ScanSchemes();
    int position = FindStoredScheme(SchemeList, SchemeName);
    if (position < 0) {
        SchemeName = std::string(kDefaultSchemeName);
        position = 0;
    } else {
        // Keep the spelling of the list so later exact comparisons agree.
        SchemeName = SchemeList[static_cast<std::size_t>(position)].name;
    }
    LoadSessionBitmaps(position);
    ValidateSettings();
    decisions_ = std::make_unique<DecisionWriter>(record_);
}

TVantaSession::~TVantaSession() {
    if (!closed_) SaveSettings();
    decisions_.reset();
}

FileResult TVantaSession::Close() {
    if (closed_) return FileResult::Success();
    closed_ = true;
    return SaveSettings();
}

FileResult TVantaSession::SaveNow() {
    if (closed_) return FileResult::Success();
    const FileResult game = openGameWriter_ ? openGameWriter_() : FileResult::Success();
    const FileResult menu = SaveSettings();
    return game ? menu : game;
}

FileResult TVantaSession::EndRun() {
    if (closed_) return FileResult::Success();
    const FileResult game = openGameWriter_ ? openGameWriter_() : FileResult::Success();
    openGameWriter_ = {};
    const FileResult menu = Close();
    return game ? menu : game;
}

void TVantaSession::LoadSettings() {
    const MenuSettings m = settings_.LoadMenu();
    Credits = m.Credits;
    WhichSpeed = m.WhichSpeed;
    CreditValue = m.CreditValue;
    LastGame = m.LastGame;
    Sound = m.Sound;
    FastCredits = m.FastCredits;
    AutoHold = m.AutoHold;
    ShowMistakes = m.ShowMistakes;
    PerfectPlay = m.PerfectPlay;
    SchemeName = m.SchemeName;
}

void TVantaSession::ValidateSettings() {
    WinMeter = 0;
    DealSlotEnabled = false;
    if (WhichSpeed < 0 || WhichSpeed > 2) WhichSpeed = 2;
    WriteSpeedTiles();
    if (!ValidCreditValue(CreditValue)) CreditValue = kQuarter;
    if (!IsValidGame(LastGame)) LastGame = 0;
    if (AutoHold && ShowMistakes) ShowMistakes = false;
}

FileResult TVantaSession::SaveSettings() {
    MenuSettings m;
    m.Credits = Credits;
    m.WhichSpeed = WhichSpeed;
    m.CreditValue = CreditValue;
    m.LastGame = LastGame;
    m.Sound = Sound;
    m.FastCredits = FastCredits;
    m.AutoHold = AutoHold;
    m.ShowMistakes = ShowMistakes;
    m.PerfectPlay = PerfectPlay;
    m.SchemeName = SchemeName;
    return settings_.SaveMenu(m);
}

void TVantaSession::ScanSchemes() {
    SchemeList = quintaro::ScanSchemes(config_.schemeRoots);
}

std::optional<std::filesystem::path> TVantaSession::SchemeDirectory(int position) const {
    if (position < 1 || position >= static_cast<int>(SchemeList.size())) return std::nullopt;
    return SchemeList[static_cast<std::size_t>(position)].directory;
}

int TVantaSession::SchemePosition() const {
    return std::max(0, FindScheme(SchemeList, SchemeName));
}

std::optional<std::filesystem::path> TVantaSession::GameSchemeDirectory() const {
    if (SchemeName == kDefaultSchemeName) return std::nullopt;
    return SchemeDirectory(FindScheme(SchemeList, SchemeName));
}

void TVantaSession::LoadSessionBitmaps(int position) {
    const auto folder = SchemeDirectory(position);
    SessionSheetFiles files;
    files.digits = ResolveSchemePicture(folder, kSessionPictures[0].file);
    files.buttons = ResolveSchemePicture(folder, kSessionPictures[1].file);
    if (services_.artwork) services_.artwork->LoadSessionBitmaps(files);
}

bool TVantaSession::SelectScheme(int position) {
    if (position < 0 || position >= static_cast<int>(SchemeList.size())) return false;
    const std::string& name = SchemeList[static_cast<std::size_t>(position)].name;
    if (name == SchemeName) return false;
    SchemeName = name;
    LoadSessionBitmaps(position);
    DrawCreditMeter();
    return true;
}

void TVantaSession::AttachDisplays(CreditMeterDisplay* credit, WinMeterDisplay* win,
                                   ButtonBarDisplay* bar) {
    // A part passed as null is unbound, so a closed game screen's meters are
    // never drawn into again once the menu attaches only its credit meter.
    creditBox_ = credit;
    winBox_ = win;
    barBox_ = bar;
}

void TVantaSession::DrawCreditMeter() {
    if (Credits > kMaxMeterCredits) {
        const std::int64_t excess = std::int64_t{Credits} - kMaxMeterCredits;
        const std::int64_t cashedOut =
            (excess + kOverflowBlock - 1) / kOverflowBlock * kOverflowBlock;
        Credits = Saturate(Credits - cashedOut);
        if (services_.dialogs)
            services_.dialogs->ShowNotice(kNoticeCaption, OverflowNoticeText(cashedOut));
    }
    if (creditBox_) creditBox_->DrawCreditMeter(Credits);
}

void TVantaSession::DrawWinMeter() {
    if (winBox_) winBox_->DrawWinMeter(WinMeter);
}

void TVantaSession::DrawButtonBar(int state) {
    if (ValidBarState(state)) BarState = state;
    if (barBox_ && ValidBarState(BarState))
        barBox_->DrawButtonBar(BarState, ButtonBarTable[static_cast<std::size_t>(BarState)]);
}

int TVantaSession::ButtonBarHitTest(std::int32_t x, std::int32_t y) const {
    if (!ValidBarState(BarState)) return 0;
    const BarRow& row = ButtonBarTable[static_cast<std::size_t>(BarState)];
    for (int i = 0; i < kBarSlots; ++i) {
        if (!kBarSlotRects[static_cast<std::size_t>(i)].Contains(x, y)) continue;
        if (row[static_cast<std::size_t>(i)] != kTileBlank) return i + 1;
        return (i == kDealSlot && DealSlotEnabled) ? kDealSlot + 1 : 0;
    }
    return 0;
}

void TVantaSession::PressBarButton(int slot) {
    if (slot < 0 || slot >= kBarSlots || !ValidBarState(BarState)) return;
    PlayEffect(kEffectButtonPress);
    BarRow& row = ButtonBarTable[static_cast<std::size_t>(BarState)];
    if (slot == kDealSlot && row[kDealSlot] == kTileBlank) {
        row[kDealSlot] = kTileDeal;
        if (barBox_) barBox_->DrawBarSlot(kDealSlot, kTileDeal, false);
        Pause(35);
    }
    const std::int32_t tile = row[static_cast<std::size_t>(slot)];
    if (barBox_) barBox_->DrawBarSlot(slot, tile, true);
    Pause(120);
    if (barBox_) barBox_->DrawBarSlot(slot, tile, false);
    Pause(35);
}

void TVantaSession::WriteSpeedTiles() {
    const std::int32_t speed = (WhichSpeed >= 0 && WhichSpeed <= 2) ? WhichSpeed : 2;
    for (int state : kSpeedStates)
        ButtonBarTable[static_cast<std::size_t>(state)][kSpeedSlot] = kTileSpeed1 + speed;
}

void TVantaSession::CycleSpeed() {
    WhichSpeed = WhichSpeed + 1;
    if (WhichSpeed > 2 || WhichSpeed < 0) WhichSpeed = 0;
    WriteSpeedTiles();
    PressBarButton(kSpeedSlot);
}

void TVantaSession::SetCreditValue(std::int32_t newValue) {
    PlayEffect(kEffectClick);
    if (!ValidCreditValue(newValue)) return;
    const std::int32_t from = ValidCreditValue(CreditValue) ? CreditValue : kQuarter;
    const std::int64_t cents =
        std::int64_t{Credits} * kCentsPerCredit[static_cast<std::size_t>(from)];
    Credits = Saturate(cents / kCentsPerCredit[static_cast<std::size_t>(newValue)]);
    CreditValue = newValue;
}

void TVantaSession::AddCredits(std::int64_t amount) {
    Credits = Saturate(Credits + amount);
}

bool TVantaSession::InsertBills() {
    PlayEffect(kEffectClick);
    if (!services_.dialogs) return false;
    const std::optional<std::int32_t> total = services_.dialogs->AskForBills();
    if (!total || *total < 1) return false;
    const std::int32_t dollars = std::min(*total, kMaxBills);
    const std::int32_t value = ValidCreditValue(CreditValue) ? CreditValue : kQuarter;
    AddCredits(std::int64_t{dollars} * kCreditsPerDollar[static_cast<std::size_t>(value)]);
    DrawCreditMeter();
    return true;
}

void TVantaSession::CashOut() {
    PlayEffect(kEffectClick);
    Credits = 0;
    DrawCreditMeter();
}

void TVantaSession::CountUpWin(std::int32_t amount) {
    amount = std::max(amount, 0);
    DrawWinMeter();
    if (FastCredits) {
        AddCredits(amount);
        WinMeter = Saturate(std::int64_t{WinMeter} + amount);
        DrawCreditMeter();
        DrawWinMeter();
        PlayTone(1);
        return;
    }
    Pacing* pacing = services_.pacing;
    auto escape = [pacing] { return pacing && pacing->EscapePressed(); };
    escape(); // forget a press from before the count started
    int tone = 1;
    std::int32_t remaining = amount;
    auto move = [&](std::int32_t credits) {
        remaining -= credits;
        AddCredits(credits);
        WinMeter = Saturate(std::int64_t{WinMeter} + credits);
        DrawCreditMeter();
        DrawWinMeter();
    };
    while (remaining > 0) {
        PlayTone(tone);
        const std::int32_t step = remaining < 31    ? 1
                                  : remaining < 151 ? 3
                                  : remaining < 751 ? 9
                                                    : 27;
        move(step);
        tone = tone % kToneCount + 1;
        Pause(45);
        if (escape() && remaining > 0) {
            PlayTone(tone);
            move(remaining);
            Pause(45);
        }
        if (pacing) pacing->ProcessPendingEvents();
    }
    PlayTone(0);
}

void TVantaSession::Pause(int milliseconds) {
    if (services_.pacing) services_.pacing->Pause(milliseconds);
}

void TVantaSession::PlayEffect(int effect) {
    if (Sound && services_.sound) services_.sound->PlayEffect(effect);
}

void TVantaSession::PlayTone(int tone) {
    if (Sound && services_.sound) services_.sound->PlayTone(tone);
}

void TVantaSession::ShowAbout() {
    PlayEffect(kEffectClick);
    if (services_.dialogs) services_.dialogs->ShowAbout();
}

void TVantaSession::ShowStatistics() {
    PlayEffect(kEffectClick);
    if (services_.dialogs) services_.dialogs->ShowStatistics();
}

void TVantaSession::ShowHandBuilder() {
    PlayEffect(kEffectClick);
    if (services_.dialogs) services_.dialogs->ShowHandBuilder();
}

void TVantaSession::ShowGameHelp() {
    PressBarButton(0);
    if (services_.dialogs) services_.dialogs->ShowGameHelp();
}

std::string_view TVantaSession::GameName(int game) const {
    if (game == -1) game = LastGame;
    if (!IsValidGame(game)) return {};
    return GameInfoFor(game).windowName;
}

} // namespace quintaro

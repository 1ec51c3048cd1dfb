// The soak on the headless front end: many sequences, quickly.
#include "fixture.h"
#include "soak.h"

namespace {

class Headless final : public soak::Driver {
public:
    explicit Headless(std::uint64_t seed)
    {
        w.runtime().random().fix_seed(seed);
        w.front_end().set_answer([this](const tk::MessageBoxCall& call, const tk::BoxSetting&) { return answer(call); });
    }

    game::Form& form() override { return w.form(); }
    void click_cell(int cell, bool moved) override
    {
        if (moved)
            w.move_over(cell, 0);
        w.click(back(cell));
    }
    void double_click_cell(int cell, bool moved) override
    {
        click_cell(cell, moved);
        w.click(back(cell));
    }
    void click(const char* name) override { w.click(w.control(name)); }
    void tick() override { w.tick(); }
    void move(int cell, int keys) override { w.move_over(cell, static_cast<std::int16_t>(keys & 7)); }
    void close(int how) override
    {
        if (how == 0)
            click("btnsalir");
        else if (how == 1)
            w.close();
        else
            w.form().me.unload();
    }
    bool ended() override { return w.runtime().ended() || w.front_end().ended(); }

private:
    tk::Control* back(int cell) { return w.form().btnsuperior(static_cast<std::int16_t>(cell)).control(); }
    tk::headless::GameWindow w;
};

}  // namespace

TEST_CASE("random sequences match the model")
{
    std::string summary;
    const std::string failure =
        soak::play([](std::uint64_t seed) { return std::make_unique<Headless>(seed); }, DUPLIMO_SOAK_SEQUENCES, summary);
    if (!failure.empty())
        FAIL(failure);
    MESSAGE(summary);
}

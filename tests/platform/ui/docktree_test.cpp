// Docking by code: a dock site's manager stacks its clients in equal zones
// below their grabber strips, paints the strips after the site, and lets a
// client go when it moves elsewhere.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/docktree.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/testseams.h"
#include "tests/platform/win/window_fixture.h"

namespace {

class Docking : public testing::Test {
protected:
    void SetUp() override {
        form_.reset(TForm::Create(nullptr, 0));
        form_->SetBounds(0, 0, 300, 300);
        site_ = new TPanel(form_.get());
        site_->SetParent(form_.get());
        site_->SetBevelOuter(bvNone);
        site_->SetBounds(0, 0, 200, 200);
        site_->SetDockSite(true);
        site_->SetUseDockManager(true);
    }
    TPanel* Client() {
        auto* client = new TPanel(form_.get());
        client->SetParent(form_.get());
        client->SetColor(clWhite);
        return client;
    }

    std::unique_ptr<TForm> form_;
    TPanel* site_;
};

TEST_F(Docking, ClientsShareTheSiteBelowTheirGrabbers) {
    TPanel* first = Client();
    TPanel* second = Client();
    EXPECT_EQ(site_->DockManager(), nullptr) << "made when the first client docks";
    first->ManualDock(site_);
    ASSERT_NE(site_->DockManager(), nullptr);
    EXPECT_EQ(first->HostDockSite(), site_);
    EXPECT_EQ(first->Parent(), site_);
    EXPECT_EQ(first->BoundsRect(), TRect(0, 12, 200, 200));
    second->ManualDock(site_);
    EXPECT_EQ(site_->DockClientCount(), 2);
    EXPECT_EQ(first->BoundsRect(), TRect(0, 12, 200, 100));
    EXPECT_EQ(second->BoundsRect(), TRect(0, 112, 200, 200));

    first->SetParent(form_.get());
    EXPECT_EQ(first->HostDockSite(), nullptr);
    EXPECT_EQ(site_->DockClientCount(), 1);
    EXPECT_EQ(second->BoundsRect(), TRect(0, 12, 200, 200));
}

TEST_F(Docking, TheSitePaintsEachClientsGrabberAfterItself) {
    Client()->ManualDock(site_);
    form_->Show();
    DispatchQueuedMessages();
    site_->Invalidate();
    DispatchQueuedMessages();
    EXPECT_EQ(ShownPixel(site_->Handle(), 100, 3), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(ShownPixel(site_->Handle(), 100, 4), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ShownPixel(site_->Handle(), 100, 30), ColorToRGB(clWhite)) << "the client below";
}

TEST_F(Docking, OnlyADockSiteTakesClientsAndOnlyWithAManagerAreTheyLaidOut) {
    TPanel* client = Client();
    site_->SetDockSite(false);
    client->ManualDock(site_);
    EXPECT_EQ(client->HostDockSite(), nullptr);
    site_->SetDockSite(true);
    site_->SetUseDockManager(false);
    client->SetBounds(5, 6, 50, 40);
    client->ManualDock(site_);
    EXPECT_EQ(client->HostDockSite(), site_);
    EXPECT_EQ(site_->DockManager(), nullptr);
    EXPECT_EQ(client->BoundsRect(), TRect(5, 6, 55, 46));
}

}  // namespace

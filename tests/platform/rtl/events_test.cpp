#include "platform/rtl/events.h"

#include <gtest/gtest.h>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/object.h"

namespace {

struct Counter : TObject {
    int clicks = 0;
    TObject* lastSender = nullptr;
    void Click(TObject* sender) {
        ++clicks;
        lastSender = sender;
    }
    void Other(TObject*) {}
    int Twice(int v) const { return 2 * v; }
};

TEST(Events, BoundMemberCallsAndComparesByObjectAndMember) {
    Counter a, b;
    TNotifyEvent e1(&a, &Counter::Click, "CounterClick");
    TNotifyEvent e2(&a, &Counter::Click);
    e1(&b);
    EXPECT_EQ(a.clicks, 1);
    EXPECT_EQ(a.lastSender, &b);
    EXPECT_TRUE(e1 == e2);
    EXPECT_FALSE(e1 == TNotifyEvent(&b, &Counter::Click));
    EXPECT_FALSE(e1 == TNotifyEvent(&a, &Counter::Other));
    EXPECT_EQ(e1.Name(), "CounterClick");
    TNotifyEvent copy = e1;
    EXPECT_TRUE(copy == e1);
    EXPECT_EQ(copy.Name(), "CounterClick");
}

TEST(Events, EmptyEventDoesNothingAndAnswersDefault) {
    TNotifyEvent none;
    EXPECT_FALSE(none);
    none(nullptr);
    TEvent<int(int)> f;
    EXPECT_EQ(f(3), 0);
    EXPECT_TRUE(none == nullptr);
    Counter c;
    f = TEvent<int(int)>(&c, &Counter::Twice);
    EXPECT_TRUE(f);
    EXPECT_EQ(f(3), 6);
}

TEST(Events, CallableIdentityIsSharedByCopiesOnly) {
    int calls = 0;
    auto lambda = [&calls](TObject*) { ++calls; };
    TNotifyEvent e1(lambda);
    TNotifyEvent e2(lambda);
    TNotifyEvent copy = e1;
    EXPECT_TRUE(copy == e1);
    EXPECT_FALSE(e1 == e2);
    copy(nullptr);
    EXPECT_EQ(calls, 1);
}

TEST(Events, ChainingKeepsThePreviousHandler) {
    Counter c;
    TNotifyEvent event(&c, &Counter::Click);
    int extra = 0;
    TNotifyEvent previous = event;
    event = TNotifyEvent([previous, &extra](TObject* sender) {
        ++extra;
        previous(sender);
    });
    event(nullptr);
    EXPECT_EQ(extra, 1);
    EXPECT_EQ(c.clicks, 1);
}

TEST(Events, MethodRoundTripKeepsIdentityAndChecksSignature) {
    Counter c;
    TNotifyEvent e(&c, &Counter::Click, "Handler");
    TMethod m = e.ToMethod();
    EXPECT_TRUE(m.Assigned());
    EXPECT_EQ(m.Name, "Handler");
    TNotifyEvent back = TNotifyEvent::FromMethod(m);
    EXPECT_TRUE(back == e);
    back(nullptr);
    EXPECT_EQ(c.clicks, 1);
    EXPECT_FALSE(TNotifyEvent::FromMethod(TMethod{}));
    EXPECT_THROW(TEvent<int(int)>::FromMethod(m), EConvertError);
}

}  // namespace

namespace {

TEST(Events, HelpEventTypeName) {
    EXPECT_STREQ(EventTypeName<THelpEvent::Signature>, "THelpEvent");
    bool callHelp = true;
    THelpEvent handler([](Word command, Integer data, bool& call) {
        call = false;
        return command == 3 && data == 4;
    });
    EXPECT_TRUE(handler(3, 4, callHelp));
    EXPECT_FALSE(callHelp);
}

}  // namespace

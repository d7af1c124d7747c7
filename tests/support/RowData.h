// Data-driven test rows in one line each: columns<QRect, int>("in", "n") in a _data() function, and
// const auto [in, n] = fetch<QRect, int>("in", "n") in the test.
#pragma once
#include <QTest>
#include <tuple>
template <typename... T, typename... N> void columns(N... names)
{
    (QTest::addColumn<T>(names), ...);
}
template <typename... T, typename... N> std::tuple<T...> fetch(N... names)
{
    return std::tuple<T...>(*static_cast<T *>(QTest::qData(names, qMetaTypeId<T>()))...);
}

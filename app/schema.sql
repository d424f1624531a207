-- The application's database: five tables, created once by serviora-createdb
-- (the program itself never creates or alters a table).
--
-- Text compares without ASCII case, as the application's statements expect;
-- yes/no columns hold 0/1 and default to 0, because inserts leave several of
-- them unwritten; dates are ISO text ("yyyy-mm-dd"), so they compare and sort
-- as dates.

CREATE TABLE 流水记录 (
    编号        TEXT COLLATE NOCASE PRIMARY KEY,
    串码        TEXT COLLATE NOCASE,
    品牌        TEXT COLLATE NOCASE,
    型号        TEXT COLLATE NOCASE,
    配件        TEXT COLLATE NOCASE,
    颜色        TEXT COLLATE NOCASE,
    厂家        TEXT COLLATE NOCASE,
    价格        REAL,
    顾客姓名    TEXT COLLATE NOCASE,
    电话        TEXT COLLATE NOCASE,
    故障现象    TEXT COLLATE NOCASE,
    处理意见    TEXT COLLATE NOCASE,
    接待日期    DATE,
    接待经手人  TEXT COLLATE NOCASE,
    接待备注    TEXT COLLATE NOCASE,
    已返厂      BOOLEAN NOT NULL DEFAULT 0,
    返厂日期    DATE,
    返厂经手人  TEXT COLLATE NOCASE,
    返厂备注    TEXT COLLATE NOCASE,
    已返回      BOOLEAN NOT NULL DEFAULT 0,
    退货        BOOLEAN NOT NULL DEFAULT 0,
    返回日期    DATE,
    返回经手人  TEXT COLLATE NOCASE,
    返回备注    TEXT COLLATE NOCASE,
    已换机      BOOLEAN NOT NULL DEFAULT 0,
    新串码      TEXT COLLATE NOCASE,
    新品牌      TEXT COLLATE NOCASE,
    新型号      TEXT COLLATE NOCASE,
    新颜色      TEXT COLLATE NOCASE,
    新配件      TEXT COLLATE NOCASE,
    新价格      REAL,
    已交付      BOOLEAN NOT NULL DEFAULT 0,
    交付日期    DATE,
    交付经手人  TEXT COLLATE NOCASE,
    交付备注    TEXT COLLATE NOCASE
);
CREATE INDEX 流水记录_串码 ON 流水记录 (串码);
CREATE INDEX 流水记录_接待日期 ON 流水记录 (接待日期);

CREATE TABLE 备用机库 (
    串码        TEXT COLLATE NOCASE UNIQUE,
    品牌        TEXT COLLATE NOCASE,
    型号        TEXT COLLATE NOCASE,
    颜色        TEXT COLLATE NOCASE,
    配件        TEXT COLLATE NOCASE,
    领用        BOOLEAN NOT NULL DEFAULT 0,
    顾客姓名    TEXT COLLATE NOCASE,
    领用日期    DATE
);

-- A loan copies the spare phone's data; it has no key of its own (edits go
-- through the rowid).
CREATE TABLE 领用记录 (
    顾客        TEXT COLLATE NOCASE,
    故障机串码  TEXT COLLATE NOCASE,
    故障机型号  TEXT COLLATE NOCASE,
    说明        TEXT COLLATE NOCASE,
    领用日期    DATE,
    备用机串码  TEXT COLLATE NOCASE,
    备用机品牌  TEXT COLLATE NOCASE,
    备用机型号  TEXT COLLATE NOCASE,
    备用机颜色  TEXT COLLATE NOCASE,
    备用机配件  TEXT COLLATE NOCASE,
    已返还      BOOLEAN NOT NULL DEFAULT 0,
    返还日期    DATE,
    返还说明    TEXT COLLATE NOCASE
);
CREATE INDEX 领用记录_领用日期 ON 领用记录 (领用日期);

CREATE TABLE 操作员 (
    操作员      TEXT COLLATE NOCASE PRIMARY KEY,
    姓名        TEXT COLLATE NOCASE,
    密码        TEXT
);

-- xuhao is written as quoted text; an INTEGER column stores it as a number,
-- so max(xuhao) is the numeric maximum.
CREATE TABLE 权限清单 (
    xuhao         INTEGER,
    bianhao       TEXT COLLATE NOCASE,
    quanxianming  TEXT COLLATE NOCASE
);
CREATE INDEX 权限清单_bianhao ON 权限清单 (bianhao, quanxianming);

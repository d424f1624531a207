object tixing: Ttixing
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '提醒'
  Width = 1020
  Height = 600
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  FormStyle = fsMDIChild
  Position = poDefaultPosOnly
  Visible = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 1012
    Height = 573
    ActivePage = TabSheet1
    Align = alClient
    TabOrder = 0
    object TabSheet1: TTabSheet
      Left = 4
      Top = 24
      Width = 1004
      Height = 545
      Caption = '售后接待完成后超过3天未返厂的手机   '
      object DBGridVyn3: TDBGridVyn
        Left = 0
        Top = 0
        Width = 1004
        Height = 545
        Align = alClient
        ColumnDefValues.Title.TitleButton = True
        ColumnDefValues.Title.ToolTips = True
        ColumnDefValues.ToolTips = True
        ColumnDefValues.Footer.ToolTips = True
        DataSource = DM1.DataSource5
        Font.Charset = 134
        Font.Color = clWindowText
        Font.Height = -13
        Font.Name = '宋体'
        FooterColor = clYellow
        FooterRowCount = 1
        Hint = '单击列头可实现排序'
        Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
        OptionsVyn = [dghFixed3D, dghHighlightFocus, dghClearSelection, dghAutoSortMarking, dghMultiSortMarking, dghDialogFind]
        ParentFont = False
        ParentShowHint = False
        ReadOnly = True
        ShowHint = True
        SortLocal = True
        SumList.Active = True
        TabOrder = 0
        Columns = <
          item
            Alignment = taCenter
            FieldName = '串码'
            Footer.Alignment = taCenter
            Footer.Value = '合计数量'
            Footer.ValueType = fvtStaticText
            Title.Alignment = taCenter
            Width = 100
          end
          item
            Alignment = taCenter
            FieldName = '品牌'
            Footer.Alignment = taCenter
            Footer.FieldName = '品牌'
            Footer.ValueType = fvtCount
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '型号'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '配件'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '颜色'
            Title.Alignment = taCenter
            Width = 40
          end
          item
            Alignment = taCenter
            FieldName = '厂家'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '价格'
            Title.Alignment = taCenter
            Width = 60
          end
          item
            Alignment = taCenter
            FieldName = '顾客姓名'
            Title.Alignment = taCenter
            Width = 60
          end
          item
            Alignment = taCenter
            FieldName = '电话'
            Title.Alignment = taCenter
            Width = 100
          end
          item
            Alignment = taCenter
            FieldName = '故障现象'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '处理意见'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '接待日期'
            Title.Alignment = taCenter
            Width = 80
          end
          item
            Alignment = taCenter
            FieldName = '接待经手人'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '接待备注'
            Title.Alignment = taCenter
            Width = 80
          end>
      end
    end
    object TabSheet2: TTabSheet
      Left = 4
      Top = 24
      Width = 1004
      Height = 545
      Caption = '返厂后超过10天未返回的手机  '
      object DBGridVyn2: TDBGridVyn
        Left = 0
        Top = 0
        Width = 1004
        Height = 545
        Align = alClient
        ColumnDefValues.Title.TitleButton = True
        ColumnDefValues.Title.ToolTips = True
        ColumnDefValues.ToolTips = True
        ColumnDefValues.Footer.ToolTips = True
        DataSource = DM1.DataSource6
        Font.Charset = 134
        Font.Color = clWindowText
        Font.Height = -13
        Font.Name = '宋体'
        FooterColor = clYellow
        FooterRowCount = 1
        Hint = '单击列头可实现排序'
        Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
        OptionsVyn = [dghFixed3D, dghHighlightFocus, dghClearSelection, dghAutoSortMarking, dghMultiSortMarking, dghDialogFind]
        ParentFont = False
        ParentShowHint = False
        ReadOnly = True
        ShowHint = True
        SortLocal = True
        SumList.Active = True
        TabOrder = 0
        Columns = <
          item
            Alignment = taCenter
            FieldName = '串码'
            Footer.Alignment = taCenter
            Footer.Value = '合计数量'
            Footer.ValueType = fvtStaticText
            Title.Alignment = taCenter
            Width = 100
          end
          item
            Alignment = taCenter
            FieldName = '品牌'
            Footer.Alignment = taCenter
            Footer.FieldName = '品牌'
            Footer.ValueType = fvtCount
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '型号'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '配件'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '颜色'
            Title.Alignment = taCenter
            Width = 40
          end
          item
            Alignment = taCenter
            FieldName = '厂家'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '价格'
            Title.Alignment = taCenter
            Width = 60
          end
          item
            Alignment = taCenter
            FieldName = '顾客姓名'
            Title.Alignment = taCenter
            Width = 60
          end
          item
            Alignment = taCenter
            FieldName = '电话'
            Title.Alignment = taCenter
            Width = 100
          end
          item
            Alignment = taCenter
            FieldName = '故障现象'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '处理意见'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '接待日期'
            Title.Alignment = taCenter
            Width = 80
          end
          item
            Alignment = taCenter
            FieldName = '接待经手人'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '接待备注'
            Title.Alignment = taCenter
            Width = 80
          end
          item
            Alignment = taCenter
            FieldName = '已返厂'
            Title.Alignment = taCenter
            Width = 50
          end
          item
            Alignment = taCenter
            FieldName = '返厂日期'
            Title.Alignment = taCenter
            Width = 80
          end
          item
            Alignment = taCenter
            FieldName = '返厂经手人'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '返厂备注'
            Title.Alignment = taCenter
            Width = 70
          end>
      end
    end
    object TabSheet3: TTabSheet
      Left = 4
      Top = 24
      Width = 1004
      Height = 545
      Caption = '返回后超过1天未交付给顾客的手机'
      object DBGridVyn1: TDBGridVyn
        Left = 0
        Top = 0
        Width = 1004
        Height = 545
        Align = alClient
        ColumnDefValues.Title.TitleButton = True
        ColumnDefValues.Title.ToolTips = True
        ColumnDefValues.ToolTips = True
        ColumnDefValues.Footer.ToolTips = True
        DataSource = DM1.DataSource7
        Font.Charset = 134
        Font.Color = clWindowText
        Font.Height = -13
        Font.Name = '宋体'
        FooterColor = clYellow
        FooterRowCount = 1
        Hint = '单击列头可实现排序'
        Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
        OptionsVyn = [dghFixed3D, dghHighlightFocus, dghClearSelection, dghAutoSortMarking, dghMultiSortMarking, dghDialogFind]
        ParentFont = False
        ParentShowHint = False
        ReadOnly = True
        ShowHint = True
        SortLocal = True
        SumList.Active = True
        TabOrder = 0
        Columns = <
          item
            Alignment = taCenter
            FieldName = '串码'
            Footer.Alignment = taCenter
            Footer.Value = '合计数量'
            Footer.ValueType = fvtStaticText
            Title.Alignment = taCenter
            Width = 100
          end
          item
            Alignment = taCenter
            FieldName = '品牌'
            Footer.Alignment = taCenter
            Footer.FieldName = '品牌'
            Footer.ValueType = fvtCount
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '型号'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '配件'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '颜色'
            Title.Alignment = taCenter
            Width = 40
          end
          item
            Alignment = taCenter
            FieldName = '厂家'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '价格'
            Title.Alignment = taCenter
            Width = 60
          end
          item
            Alignment = taCenter
            FieldName = '顾客姓名'
            Title.Alignment = taCenter
            Width = 60
          end
          item
            Alignment = taCenter
            FieldName = '电话'
            Title.Alignment = taCenter
            Width = 100
          end
          item
            Alignment = taCenter
            FieldName = '故障现象'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '处理意见'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '接待日期'
            Title.Alignment = taCenter
            Width = 80
          end
          item
            Alignment = taCenter
            FieldName = '接待经手人'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '接待备注'
            Title.Alignment = taCenter
            Width = 80
          end
          item
            Alignment = taCenter
            FieldName = '已返厂'
            Title.Alignment = taCenter
            Width = 50
          end
          item
            Alignment = taCenter
            FieldName = '返厂日期'
            Title.Alignment = taCenter
            Width = 80
          end
          item
            Alignment = taCenter
            FieldName = '返厂经手人'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '返厂备注'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '已返回'
            Title.Alignment = taCenter
            Width = 50
          end
          item
            Alignment = taCenter
            FieldName = '退货'
            Title.Alignment = taCenter
            Width = 50
          end
          item
            Alignment = taCenter
            FieldName = '返回日期'
            Width = 80
          end
          item
            Alignment = taCenter
            FieldName = '返回经手人'
            Title.Alignment = taCenter
            Width = 70
          end
          item
            Alignment = taCenter
            FieldName = '返回备注'
            Title.Alignment = taCenter
            Width = 80
          end
          item
            Alignment = taCenter
            FieldName = '已换机'
            Title.Alignment = taCenter
            Width = 45
          end
          item
            Alignment = taCenter
            FieldName = '新串码'
            Title.Alignment = taCenter
            Width = 100
          end
          item
            Alignment = taCenter
            FieldName = '新型号'
            Title.Alignment = taCenter
            Width = 60
          end
          item
            Alignment = taCenter
            FieldName = '新颜色'
            Title.Alignment = taCenter
            Width = 50
          end
          item
            Alignment = taCenter
            FieldName = '新配件'
            Title.Alignment = taCenter
            Width = 65
          end
          item
            Alignment = taCenter
            FieldName = '新价格'
            Title.Alignment = taCenter
            Width = 60
          end>
      end
    end
  end
  object CheckBox1: TCheckBox
    Left = 850
    Top = 3
    Width = 150
    Height = 17
    Caption = '软件启动后自动显示'
    TabOrder = 1
  end
end

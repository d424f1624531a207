object fanhui: Tfanhui
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '手机由厂家返回'
  Width = 1019
  Height = 599
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
  object GroupBox3: TGroupBox
    Left = 8
    Top = 8
    Width = 995
    Height = 558
    Align = alClient
    Caption = '返厂未返回的全部手机列表，请用鼠标双击要做返回操作的手机'
    TabOrder = 0
    object DBGridVyn1: TDBGridVyn
      Left = 2
      Top = 15
      Width = 987
      Height = 541
      Align = alClient
      ColumnDefValues.Title.TitleButton = True
      ColumnDefValues.Title.ToolTips = True
      ColumnDefValues.ToolTips = True
      ColumnDefValues.Footer.ToolTips = True
      DataSource = DM1.DataSource2
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
      OnDblClick = DBGridVyn1DblClick
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
          FieldName = '接待备注'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '返厂日期'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '返厂备注'
          Title.Alignment = taCenter
          Width = 80
        end>
    end
  end
end
